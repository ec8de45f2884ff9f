#pragma once

#include <memory>

// Ending the user's session: power off or log off. The real work is done by
// a backend so that tests can record the calls instead.
class SessionBackend
{
public:
    virtual ~SessionBackend() = default;
    virtual bool powerOff() = 0;
    virtual bool logOff() = 0;
};

// systemd-logind over the system bus.
class LogindSessionBackend final : public SessionBackend
{
public:
    bool powerOff() override;
    bool logOff() override;
};

namespace SessionControl {
// Replaces the backend (the default is logind). Returns the previous one.
std::unique_ptr<SessionBackend> setBackend(std::unique_ptr<SessionBackend> backend);
SessionBackend &backend();
// Results are ignored by the callers, as there is nothing left to do.
void shutDown();
void logOff();
} // namespace SessionControl
