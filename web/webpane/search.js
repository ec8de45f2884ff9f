// The search page of the download manager. Everything the page asks of the
// program goes through window.webFrameTalker; without it (the page opened
// in an ordinary browser) searches still open the providers' pages.

// The program calls $('#search_tabs > ul').tabs().tabs('select', n): the
// tab list stands for the tab widget around it, and "select" picks a tab.
(function ($) {
    var uiTabs = $.fn.tabs;
    $.fn.tabs = function (method) {
        var target = this.is('ul') ? this.parent() : this;
        if (method === 'select') {
            uiTabs.call(target, 'option', 'active', arguments[1]);
            return this;
        }
        if (arguments.length === 0 && uiTabs.call(target, 'instance'))
            return this;
        var result = uiTabs.apply(target, arguments);
        return result === target ? this : result;
    };
})(jQuery);

function talker() {
    return window.webFrameTalker;
}

function pageText(key) {
    var t = talker() ? talker().universeMethod('translate', key) : '';
    return t ? t : key.replace(/^#/, '');
}

function translateAll() {
    $('[data-text]').each(function () {
        $(this).text(pageText($(this).attr('data-text')));
    });
    $('[data-placeholder]').each(function () {
        $(this).attr('placeholder', pageText($(this).attr('data-placeholder')));
    });
}

function searchFinished() {
    if (talker())
        talker().seachFinished();
}

// The content lock: asked afresh before anything leaves the program.
function isLocked() {
    var locked = talker() ? talker().isContentLocked() : false;
    $('.lock-note').toggle(locked);
    return locked;
}

function keywordsAllowed(keywords) {
    if (!isLocked())
        return true;
    if (talker().containsFilteredKeywords(keywords)) {
        talker().alertKeywordsFiltered();
        return false;
    }
    return true;
}

function selectedProvider(list) {
    var index = parseInt($('input[name=provider_' + list + ']:checked').val(), 10);
    return searchProviders[list][isNaN(index) ? 0 : index];
}

function providerUrl(provider, keywords) {
    return provider.url.replace('%s', encodeURIComponent(keywords));
}

function openPage(url) {
    if (talker())
        talker().openInBrowser(url);
    else
        window.open(url);
}

function runSearch(list) {
    var keywords = $.trim($('#search_input_' + list).val());
    if (keywords !== '' && keywordsAllowed(keywords))
        openPage(providerUrl(selectedProvider(list), keywords));
    searchFinished();
}

// General search (tab 0); n is the result page, which the providers keep.
function searchBt(n) {
    runSearch(0);
}

// Web video search (tab 1).
function searchWebVid(n) {
    runSearch(1);
}

// The service whose plugin handles a page address, or null.
function serviceForUrl(url) {
    if (!/^https?:\/\//i.test(url))
        return null;
    var link = document.createElement('a');
    link.href = url;
    var host = (link.hostname || '').toLowerCase();
    if (host === '')
        return null;
    for (var i = 0; i < videoServices.length; i++) {
        var hosts = videoServices[i].hosts;
        for (var j = 0; j < hosts.length; j++) {
            var h = hosts[j].toLowerCase();
            if (host === h || host.slice(-(h.length + 1)) === '.' + h)
                return videoServices[i];
        }
    }
    return null;
}

function showWebVideoMessage(message, failed) {
    $('#webvideo_message').text(message).toggleClass('failed', !!failed).show();
}

function downloadWebVideo() {
    var url = $.trim($('#webvideo_url_input').val());
    var service = serviceForUrl(url);
    if (!service) {
        showWebVideoMessage(pageText('#webvidinfo'), true);
        searchFinished();
        return;
    }
    // The keyword filter is for typed words; an address is judged by the
    // service it belongs to.
    if (service.adult && isLocked()) {
        talker().alertContentLocked();
        searchFinished();
        return;
    }
    showWebVideoMessage(pageText('Download Video') + ': ' + service.caption, false);
    if (talker())
        talker().downloadVideoSHttp(service.id, url);
    searchFinished();
}

// The program's "Web Video Download": the address form, ready for typing.
function DownloadWebVideoFromUrl() {
    $('#search_tabs > ul').tabs().tabs('select', 1);
    $('#webvideo_box').addClass('highlight');
    $('#webvideo_url_input').focus().select();
}

function fillProviders(list) {
    var target = $('#providers_' + list);
    $.each(searchProviders[list], function (index, provider) {
        var id = 'provider_' + list + '_' + index;
        var item = $('<li>');
        $('<input type="radio">').attr({ id: id, name: 'provider_' + list, value: index })
            .prop('checked', index === 0).appendTo(item);
        $('<label>').attr('for', id).text(provider.name).appendTo(item);
        target.append(item);
    });
}

function fillServices() {
    var body = $('#services_table tbody');
    $.each(videoServices, function (index, service) {
        var row = $('<tr>');
        $('<td>').text(service.caption).appendTo(row);
        $('<td>').text(service.hosts.join(', ')).appendTo(row);
        body.append(row);
    });
}

$(function () {
    fillProviders(0);
    fillProviders(1);
    fillServices();
    $('#search_tabs').tabs();
    // The lock is read when a search is made: reading it here would bring
    // up the side panel with the page itself.
    translateAll();
});
