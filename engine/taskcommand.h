#pragma once

#include <QMetaType>
#include <QString>
#include <QStringList>

// A command the window queues to the policing thread.
struct TaskCommand
{
    enum Code {
        Start = 1,
        Pause = 2,
        Stop = 3,
        Delete = 4,
        Load = 9,
        Preview = 13,
        ResetFailed = 14,
        // A waiting task moves one place towards the front or the back.
        MoveUp = 15,
        MoveDown = 16,
    };

    int code = 0;
    QStringList paths;   // save paths, native separators
    QString text;        // the task key for Load
    bool withFiles = false;
    bool allRows = false;
    int percentage = 0;  // for Preview
};

// The values from which a row of the task table is built or refreshed.
struct TaskRowData
{
    int state = 0;
    QString fileName;
    QString savePath;
    QString sizeText;
    int percentage = 0;
    qint64 completedSize = 0;
    QString downloadSpeedText;
    QString uploadSpeedText;
    QString sourcesText;
    QString typeText;
    QString taskKey;
    QString queueText;
    QString timeLeftText;
    QString timeElapsedText;
    QString creationTimeText;
};

// Columns of the task table that a refresh may touch.
namespace TaskColumn {
enum {
    Status = 0,
    TaskName = 1,
    Size = 2,
    Progress = 3,
    Download = 4,
    Upload = 5,
    Sources = 6,
    Type = 7,
    Queue = 8,
    TimeLeft = 9,
    TimeElapsed = 10,
    CreationTime = 11,
};
}

Q_DECLARE_METATYPE(TaskRowData)
