// Plays the entries of playlist.xml (written by the program beside this
// page) one after another and tells the program when it moves on.
(function () {
    "use strict";

    var media = document.getElementById("media");
    var now = document.getElementById("now");
    var sources = [];
    var current = -1;

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

    function idle() {
        document.body.className = "";
        now.textContent = "";
        media.removeAttribute("src");
    }

    function play(index) {
        if (index < 0 || index >= sources.length) {
            idle();
            return;
        }
        current = index;
        var path = sources[index];
        document.body.className = "playing" + (isAudio(path) ? " audio" : "");
        now.textContent = fileName(path);
        media.src = toUrl(path);
        media.load();
        media.play();
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

    media.addEventListener("ended", next, false);
    // An entry that does not exist or cannot be played: the next one, or
    // the quiet idle state at the end of the list.
    media.addEventListener("error", function () {
        if (current >= 0 && media.getAttribute("src"))
            next();
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

    window.playerState = function () {
        return {
            current: current,
            count: sources.length,
            playing: document.body.className.indexOf("playing") >= 0,
            time: media.currentTime || 0,
            source: current >= 0 ? sources[current] : ""
        };
    };

    var bridge = talker();
    if (bridge)
        bridge.handleFlashPlugin();
    readList();
})();
