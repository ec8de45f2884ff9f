// Zantor browser extension: hands the browser's downloads and chosen links
// over to the Zantor download manager through its native messaging host.
// One script for Chromium (service worker) and Firefox (background script).
'use strict';

const api = globalThis.browser ?? globalThis.chrome;
const HOST = 'org.zantor.host';
const MIB = 1024 * 1024;
// Used until the running program has told its own list.
const DEFAULT_FILE_TYPES = '.exe;.bin;.zip;.flv;.swf;.torrent;.tor;.pdf;.zipx;.rar;.gzip;.gz;.bz2;.tar;.7z;' +
  '.s7z;.deb;.dmg;.rpm;.tgz;.pkg;.msi;.sfx;.iso;.war;.mp3;.mp4;.mpg;.avi;.mov;.asf;.wmv;.wma;.rm;.rmvb;' +
  '.wav;.jar';
const DEFAULTS = { enabled: true, excludedSites: [], minSize: MIB, fileTypes: DEFAULT_FILE_TYPES };
const MENU_LINK = 'zantor-download-link';
const MENU_ALL = 'zantor-download-all';
// Downloads this extension gave back to the browser: never taken over again.
const givenBack = new Set();

async function settings() {
  return api.storage.local.get(DEFAULTS);
}

function endingsOf(fileTypes) {
  return fileTypes.split(';').map((e) => e.trim().toLowerCase()).filter((e) => e.length > 0)
    .map((e) => (e.startsWith('.') ? e : '.' + e));
}

function isWebLink(url) {
  try {
    const scheme = new URL(url).protocol;
    return scheme === 'http:' || scheme === 'https:' || scheme === 'ftp:';
  } catch (e) {
    return false;
  }
}

function hostOf(url) {
  try {
    return new URL(url).hostname.toLowerCase();
  } catch (e) {
    return '';
  }
}

function isExcluded(urls, excludedSites) {
  return urls.filter(Boolean).map(hostOf).some((host) => host && excludedSites.some(
    (site) => host === site || host.endsWith('.' + site)));
}

function lastSegment(url) {
  try {
    const path = new URL(url).pathname;
    return decodeURIComponent(path.substring(path.lastIndexOf('/') + 1));
  } catch (e) {
    return '';
  }
}

function baseName(path) {
  return (path || '').split(/[\\/]/).pop();
}

function hasListedEnding(name, endings) {
  const lower = (name || '').toLowerCase();
  return lower.length > 0 && endings.some((e) => lower.endsWith(e));
}

async function cookieHeader(url) {
  try {
    const cookies = await api.cookies.getAll({ url });
    return cookies.map((c) => c.name + '=' + c.value).join('; ');
  } catch (e) {
    return '';
  }
}

// Sends one message to the host; a host that cannot be started rejects.
function ask(message) {
  return api.runtime.sendNativeMessage(HOST, message);
}

// Asks whether the program runs, and keeps its file-type list.
async function status() {
  try {
    const reply = await ask({ type: 'status' });
    if (reply && reply.running && typeof reply.fileTypes === 'string' && reply.fileTypes.length > 0)
      await api.storage.local.set({ fileTypes: reply.fileTypes });
    return { found: true, running: !!(reply && reply.running) };
  } catch (e) {
    return { found: false, error: String((e && e.message) || e) };
  }
}

// Hands one download over; true when the program took it.
async function handOver({ url, finalUrl, referrer, fileName, size }) {
  const target = finalUrl || url;
  const message = { type: 'download', url };
  if (finalUrl && finalUrl !== url)
    message.finalUrl = finalUrl;
  if (referrer && /^https?:/i.test(referrer))
    message.referrer = referrer;
  const cookies = await cookieHeader(target);
  if (cookies)
    message.cookies = cookies;
  message.userAgent = navigator.userAgent;
  const name = baseName(fileName) || lastSegment(target);
  if (name && name !== '.' && name !== '..')
    message.fileName = name;
  if (typeof size === 'number' && size >= 0)
    message.size = size;
  try {
    const reply = await ask(message);
    return !!(reply && reply.ok);
  } catch (e) {
    return false;
  }
}

// Whether a download of the browser is one to take over.
async function wanted(item, suggestedName) {
  const s = await settings();
  const url = item.finalUrl || item.url;
  if (!s.enabled || !isWebLink(item.url) || !isWebLink(url) || givenBack.has(item.url))
    return false;
  if (item.byExtensionId && item.byExtensionId === api.runtime.id)
    return false;
  if (isExcluded([item.url, url, item.referrer], s.excludedSites))
    return false;
  const size = item.totalBytes > 0 ? item.totalBytes : (item.fileSize > 0 ? item.fileSize : -1);
  if (size >= 0 && size <= s.minSize)
    return false;
  const endings = endingsOf(s.fileTypes);
  return hasListedEnding(baseName(suggestedName), endings) || hasListedEnding(lastSegment(url), endings);
}

function describe(item, suggestedName) {
  const size = item.totalBytes > 0 ? item.totalBytes : -1;
  return { url: item.url, finalUrl: item.finalUrl, referrer: item.referrer, fileName: suggestedName, size };
}

async function forget(id, removeFile) {
  try {
    await api.downloads.cancel(id);
  } catch (e) { /* already ended */ }
  if (removeFile) {
    try {
      await api.downloads.removeFile(id);
    } catch (e) { /* nothing on disk */ }
  }
  try {
    await api.downloads.erase({ id });
  } catch (e) { /* not in the list */ }
}

if (api.downloads.onDeterminingFilename) {
  // Chromium holds the download until a name is suggested: it is handed
  // over meanwhile, and goes on in the browser when that fails.
  api.downloads.onDeterminingFilename.addListener((item, suggest) => {
    (async () => {
      if (await wanted(item, item.filename) && await handOver(describe(item, item.filename))) {
        await forget(item.id, false);
        return;
      }
      suggest();
    })().catch(() => suggest());
    return true;
  });
} else {
  // Firefox has started the download already: it is paused while the
  // program is asked, and resumed when that fails.
  api.downloads.onCreated.addListener(async (item) => {
    if (!(await wanted(item, item.filename)))
      return;
    let paused = false;
    try {
      await api.downloads.pause(item.id);
      paused = true;
    } catch (e) { /* not pausable: it keeps running meanwhile */ }
    if (await handOver(describe(item, item.filename))) {
      await forget(item.id, true);
    } else if (paused) {
      try {
        await api.downloads.resume(item.id);
      } catch (e) { /* ended meanwhile */ }
    }
  });
}

// A link the program could not take is downloaded by the browser itself.
async function giveBack(url) {
  givenBack.add(url);
  try {
    await api.downloads.download({ url });
  } catch (e) { /* the browser refuses such a link */ }
}

function collectLinks(selectionOnly) {
  const selection = window.getSelection();
  const links = Array.from(document.querySelectorAll('a[href]')).filter(
    (a) => !selectionOnly || !selection || selection.isCollapsed || selection.containsNode(a, true));
  return links.map((a) => a.href);
}

api.runtime.onInstalled.addListener(() => {
  api.contextMenus.create({
    id: MENU_LINK, title: 'Download with Zantor', contexts: ['link', 'image', 'audio', 'video'],
  });
  api.contextMenus.create({
    id: MENU_ALL, title: 'Download all links with Zantor', contexts: ['page', 'selection'],
  });
  status();
});

api.contextMenus.onClicked.addListener(async (info, tab) => {
  const referrer = info.frameUrl || info.pageUrl || (tab && tab.url);
  if (info.menuItemId === MENU_LINK) {
    const url = info.linkUrl || info.srcUrl;
    if (isWebLink(url) && !(await handOver({ url, referrer })))
      await giveBack(url);
    return;
  }
  if (info.menuItemId !== MENU_ALL || !tab)
    return;
  const s = await settings();
  const endings = endingsOf(s.fileTypes);
  let found = [];
  try {
    const results = await api.scripting.executeScript({
      target: { tabId: tab.id }, func: collectLinks, args: [info.menuItemId === MENU_ALL && !!info.selectionText],
    });
    found = results.flatMap((r) => r.result || []);
  } catch (e) {
    return;
  }
  const links = [...new Set(found)].filter((url) => isWebLink(url) && hasListedEnding(lastSegment(url), endings));
  for (const url of links) {
    if (!(await handOver({ url, referrer })))
      await giveBack(url);
  }
});

// The popup asks for the state through this.
api.runtime.onMessage.addListener((message, sender, sendResponse) => {
  if (message && message.type === 'status') {
    status().then(sendResponse);
    return true;
  }
  return false;
});
