// Tells the player page whether this browser can play the suite's media:
// H.264 video with AAC sound in MP4. Without the GStreamer plugins for them
// the answer is no.
var FlashDetect = new function () {
    var self = this;
    self.installed = false;
    self.missing = "";
    try {
        var video = document.createElement("video");
        if (video && typeof video.canPlayType === "function") {
            self.installed = video.canPlayType('video/mp4; codecs="avc1.42E01E, mp4a.40.2"') !== "";
            if (!self.installed)
                self.missing = "H.264/AAC";
        } else {
            self.missing = "HTML5 video";
        }
    } catch (e) {
        self.installed = false;
        self.missing = "HTML5 video";
    }
};
