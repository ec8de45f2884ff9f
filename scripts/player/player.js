// Plays the entries of playlist.xml (written by the program beside this
// page) one after another and tells the program when it moves on. The
// control bar and the keyboard (space, arrows, F, Escape) drive the clip.
(function () {
    "use strict";

    var SeekStep = 5;       // seconds per arrow key
    var VolumeStep = 0.1;

    var media = document.getElementById("media");
    var now = document.getElementById("now");
    var playPause = document.getElementById("playpause");
    var seek = document.getElementById("seek");
    var time = document.getElementById("time");
    var volume = document.getElementById("volume");
    var sources = [];
    var current = -1;
    var seeking = false;
    var fullScreen = false;

    function talker() {
        return window.webFrameTalker || null;
    }

    // A path from the list as a URL: absolute paths become file URLs,
    // relative names stay beside this page; each part is encoded so that
    // "#", "?" and "%" in file names are taken literally.
    function toUrl(path) {
        var parts = path.split("/");
        for (var i = 0; i < parts.length; ++i)
            parts[i] = encodeURIComponent(parts[i]);
        var encoded = parts.join("/");
        return path.charAt(0) === "/" ? "file://" + encoded : encoded;
    }

    function fileName(path) {
        var slash = path.lastIndexOf("/");
        return slash >= 0 ? path.substring(slash + 1) : path;
    }

    function isAudio(path) {
        return /\.(mp3|m4a|aac|ogg|oga|wav|flac)$/i.test(path);
    }

    function clock(seconds) {
        if (!isFinite(seconds) || seconds < 0)
            seconds = 0;
        var whole = Math.floor(seconds);
        var s = whole % 60;
        var m = Math.floor(whole / 60) % 60;
        var h = Math.floor(whole / 3600);
        var text = (h > 0 ? h + ":" + (m < 10 ? "0" : "") : "") + m + ":" + (s < 10 ? "0" : "") + s;
        return text;
    }

    function showState() {
        var playing = current >= 0 && !media.paused && !media.ended;
        playPause.innerHTML = playing ? "&#10074;&#10074;" : "&#9654;";
        var duration = media.duration;
        time.textContent = clock(media.currentTime) + " / " + clock(duration);
        if (!seeking)
            seek.value = isFinite(duration) && duration > 0 ? Math.round(1000 * media.currentTime / duration) : 0;
        volume.value = Math.round(media.volume * 100);
    }

    function idle() {
        document.body.className = fullScreen ? "fullscreen" : "";
        now.textContent = "";
        media.removeAttribute("src");
        showState();
    }

    function play(index) {
        if (index < 0 || index >= sources.length) {
            idle();
            return;
        }
        current = index;
        var path = sources[index];
        document.body.className = "playing" + (isAudio(path) ? " audio" : "") + (fullScreen ? " fullscreen" : "");
        now.textContent = fileName(path);
        media.src = toUrl(path);
        media.load();
        media.play();
        showState();
    }

    function next() {
        var index = current + 1;
        if (index >= sources.length) {
            idle();
            return;
        }
        var bridge = talker();
        if (bridge)
            bridge.gotoNextClip(String(index));
        play(index);
    }

    // Play and pause; at rest (nothing loaded or the list ran out) the list
    // starts again from its first entry.
    function toggle() {
        if (current < 0 || !media.getAttribute("src")) {
            if (sources.length > 0)
                play(current >= 0 && current < sources.length ? current : 0);
            return;
        }
        if (media.paused || media.ended)
            media.play();
        else
            media.pause();
        showState();
    }

    function seekTo(seconds) {
        var duration = media.duration;
        if (!isFinite(duration) || duration <= 0)
            return;
        media.currentTime = Math.max(0, Math.min(duration, seconds));
        showState();
    }

    function setVolume(value) {
        media.volume = Math.max(0, Math.min(1, value));
        showState();
    }

    function setFullScreen(on) {
        fullScreen = on;
        var names = document.body.className.replace(/\s*fullscreen/g, "");
        document.body.className = on ? (names ? names + " " : "") + "fullscreen" : names;
        var bridge = talker();
        if (bridge) {
            if (on)
                bridge.enterFullScreen();
            else
                bridge.leaveFullScreen();
        }
    }

    media.addEventListener("ended", next, false);
    // An entry that does not exist or cannot be played: the next one, or
    // the quiet idle state at the end of the list.
    media.addEventListener("error", function () {
        if (current >= 0 && media.getAttribute("src"))
            next();
    }, false);
    ["play", "pause", "timeupdate", "durationchange", "volumechange", "loadedmetadata"].forEach(function (name) {
        media.addEventListener(name, showState, false);
    });

    playPause.addEventListener("click", toggle, false);
    document.getElementById("bigplay").addEventListener("click", toggle, false);
    media.addEventListener("click", toggle, false);
    media.addEventListener("dblclick", function () { setFullScreen(!fullScreen); }, false);
    document.getElementById("fullscreen").addEventListener("click", function () {
        setFullScreen(!fullScreen);
    }, false);
    seek.addEventListener("mousedown", function () { seeking = true; }, false);
    seek.addEventListener("change", function () {
        seeking = false;
        seekTo(media.duration * seek.value / 1000);
    }, false);
    volume.addEventListener("change", function () { setVolume(volume.value / 100); }, false);
    volume.addEventListener("input", function () { setVolume(volume.value / 100); }, false);

    document.addEventListener("keydown", function (event) {
        switch (event.keyCode) {
        case 32: toggle(); break;                                            // space
        case 37: seekTo(media.currentTime - SeekStep); break;                // left
        case 39: seekTo(media.currentTime + SeekStep); break;                // right
        case 38: setVolume(media.volume + VolumeStep); break;                // up
        case 40: setVolume(media.volume - VolumeStep); break;                // down
        case 70: setFullScreen(!fullScreen); break;                          // F
        case 27: if (fullScreen) setFullScreen(false); else return; break;   // Escape
        default: return;
        }
        event.preventDefault();
    }, false);

    function readList() {
        var request = new XMLHttpRequest();
        request.open("GET", "playlist.xml", true);
        request.onreadystatechange = function () {
            if (request.readyState !== 4)
                return;
            var xml = request.responseXML;
            if (!xml && request.responseText)
                xml = new DOMParser().parseFromString(request.responseText, "text/xml");
            sources = [];
            if (xml) {
                var nodes = xml.getElementsByTagName("source");
                for (var i = 0; i < nodes.length; ++i) {
                    var src = nodes[i].getAttribute("src");
                    if (src)
                        sources.push(src);
                }
            }
            if (sources.length > 0)
                play(0);
            else
                idle();
        };
        request.send(null);
    }

    // For the program: space in its play list acts as it does on the page.
    window.playerToggle = toggle;

    window.playerState = function () {
        return {
            current: current,
            count: sources.length,
            playing: document.body.className.indexOf("playing") >= 0,
            paused: media.paused,
            time: media.currentTime || 0,
            duration: isFinite(media.duration) ? media.duration : 0,
            volume: media.volume,
            fullScreen: fullScreen,
            timeText: time.textContent,
            source: current >= 0 ? sources[current] : ""
        };
    };

    var bridge = talker();
    if (bridge)
        bridge.handleFlashPlugin();
    readList();
})();
