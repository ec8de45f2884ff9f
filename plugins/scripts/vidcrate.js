/*
 * VidCrate video service plugin.
 *
 * A watch page "http://HOST/watch?v=ID" names its clip description in the
 * player set-up: {"api":"/api/clip/ID.json"}. The description is JSON with
 * the title and a list of streams; the plugin takes the best one.
 */

function RegistVideoService()
{
	version = "1.2.0";
	minVersion = "1.0.0";
	author = "Zantor team";
	website = "http://www.vidcrate.example.com/";
	ID = "vidcrate";
	caption = "VidCrate";
	adultContent = false;
	musicSite = false;
}

function getVideoServiceIcon()
{
	return "vidcrate";
}

// "http://host:port" of an address, port included.
function siteRoot(url)
{
	var pathStart = strIndexOf(url, "/", strIndexOf(url, "://") + 3);
	if (pathStart == -1)
		return "" + url;
	return "" + strCopy(url, 0, pathStart);
}

function streamRank(quality)
{
	var order = ["low", "sd", "hd", "fullhd"];
	for (var i = 0; i < order.length; i++)
		if (order[i] == quality)
			return i;
	return -1;
}

function getVideoInformation(url)
{
	var result = new VideoDefinition();
	var clip = getUrlParam(url, "v");
	if (clip == "")
		return result;

	var http = new Http();
	var page = http.downloadWebpage(url);
	if (page == "")
		return result;

	var api = copyBetween(page, "\"api\":\"", "\"");
	if (api == "")
		return result;
	var description = http.downloadWebpage(siteRoot(url) + api);
	if (description == "")
		return result;

	var info = JSON.parse(description);
	var best = null;
	for (var i = 0; i < info.streams.length; i++) {
		var stream = info.streams[i];
		if (best == null || streamRank(stream.quality) > streamRank(best.quality))
			best = stream;
	}
	if (best == null)
		return result;

	result.URL = cleanUrl(best.url) + "";
	result.title = simplifyString(info.title) + "";
	var dot = strLastIndexOf(best.url, ".");
	result.extension = dot == -1 ? ".flv" : strCopy(best.url, dot, best.url.length) + "";
	result.isAudioFile = best.audioOnly == true;
	return result;
}
