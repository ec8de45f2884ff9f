// The toolbar popup: on/off, whether Zantor can be reached, and the sites
// whose downloads stay in the browser.
'use strict';

const api = globalThis.browser ?? globalThis.chrome;

function normalisedSite(text) {
  let site = (text || '').trim().toLowerCase();
  try {
    if (site.includes('://'))
      site = new URL(site).hostname;
  } catch (e) {
    return '';
  }
  site = site.replace(/^\*\./, '').replace(/^\.+|\.+$/g, '');
  return /^[a-z0-9.-]+$/.test(site) ? site : '';
}

async function load() {
  const s = await api.storage.local.get({ enabled: true, excludedSites: [] });
  document.getElementById('enabled').checked = s.enabled;
  const list = document.getElementById('excluded');
  list.textContent = '';
  for (const site of s.excludedSites) {
    const item = document.createElement('li');
    const name = document.createElement('span');
    name.textContent = site;
    const remove = document.createElement('button');
    remove.type = 'button';
    remove.textContent = 'Remove';
    remove.addEventListener('click', async () => {
      const now = await api.storage.local.get({ excludedSites: [] });
      await api.storage.local.set({ excludedSites: now.excludedSites.filter((x) => x !== site) });
      load();
    });
    item.append(name, remove);
    list.append(item);
  }
}

async function addSite(text) {
  const site = normalisedSite(text);
  if (!site)
    return;
  const s = await api.storage.local.get({ excludedSites: [] });
  if (!s.excludedSites.includes(site))
    await api.storage.local.set({ excludedSites: [...s.excludedSites, site] });
  load();
}

async function showState() {
  const state = document.getElementById('state');
  const fix = document.getElementById('fix');
  const answer = await api.runtime.sendMessage({ type: 'status' });
  fix.hidden = !!(answer && answer.found);
  if (answer && answer.running) {
    state.textContent = 'Zantor is running';
    state.className = 'state running';
  } else if (answer && answer.found) {
    state.textContent = 'Zantor is not running: it starts with the next download';
    state.className = 'state stopped';
  } else {
    state.textContent = 'Zantor not found';
    state.className = 'state missing';
  }
}

document.getElementById('enabled').addEventListener('change', (event) => {
  api.storage.local.set({ enabled: event.target.checked });
});
document.getElementById('add').addEventListener('submit', (event) => {
  event.preventDefault();
  const input = document.getElementById('site');
  addSite(input.value);
  input.value = '';
});
document.getElementById('exclude-this').addEventListener('click', async () => {
  const [tab] = await api.tabs.query({ active: true, currentWindow: true });
  if (tab && tab.url)
    addSite(tab.url);
});

load();
showState();
