// Web search providers the page hands keywords to, opened in the desktop's
// browser. "%s" stands for the encoded keywords. List 0 serves the general
// tab, list 1 the web video tab.
var searchProviders = [
    [
        { name: "DuckDuckGo", url: "https://duckduckgo.com/?q=%s" },
        { name: "Wikipedia", url: "https://en.wikipedia.org/w/index.php?search=%s" },
        { name: "Startpage", url: "https://www.startpage.com/do/search?query=%s" },
        { name: "Internet Archive", url: "https://archive.org/search?query=%s" }
    ],
    [
        { name: "DuckDuckGo Videos", url: "https://duckduckgo.com/?q=%s&ia=videos" },
        { name: "PeerTube (Sepia Search)", url: "https://sepiasearch.org/search?search=%s" },
        { name: "Internet Archive Movies", url: "https://archive.org/search?query=%s&and%5B%5D=mediatype%3A%22movies%22" }
    ]
];
