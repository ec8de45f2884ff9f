// The video services this package carries a plugin for: the plugin is
// ":/webpane/" + id + ".js". A page address belongs to a service when its
// host is one of the hosts listed or lies below one of them.
var videoServices = [
    { id: "vidcrate", caption: "VidCrate", site: "http://www.vidcrate.example.com/",
      hosts: ["vidcrate.example.com"], adult: false },
    { id: "streamnest", caption: "StreamNest", site: "http://www.streamnest.example.com/",
      hosts: ["streamnest.example.com"], adult: false }
];
