/*
 * StreamNest video service plugin.
 *
 * A video address "http://HOST/v/ID" redirects to a gate page and sets a
 * session cookie on the way. The gate only answers requests that carry that
 * cookie, the page address as Referer and the client header "X-Nest-Client".
 * The gate page holds the player source: <source src="..." type="video/...">.
 * The download needs the same cookie and Referer, so both go into the result.
 */

var version = "2.0.1";
var minVersion = "1.0";
var author = "Zantor team";
var website = "http://www.streamnest.example.com/";
var ID = "streamnest";
var caption = "StreamNest";

function RegistVideoService()
{
}

function getVideoInformation(url)
{
	var result = new VideoDefinition();
	var http = new Http();
	http.setUserAgent("Mozilla/5.0 (X11; Linux x86_64) Zantor");
	http.setTimeOut(20);
	http.addHeaderParameter("Referer", url);
	http.addHeaderParameter("X-Nest-Client", "zantor");

	var page = http.downloadWebpage(url);
	if (page == "" || http.getLastError() != 0)
		return result;

	var source = copyBetween(page, "<source src=\"", "\"");
	if (source == "")
		return result;
	var type = copyBetween(page, "type=\"video/", "\"");

	result.URL = source + "";
	result.title = trimString(copyBetween(page, "<h1>", "</h1>")) + "";
	result.extension = type == "" ? ".flv" : "." + type;
	result.cookies = http.getCookies(";") + "";
	result.headers = strFormat("Referer: %1", url) + "";
	result.userAgent = "Mozilla/5.0 (X11; Linux x86_64) Zantor";
	return result;
}
