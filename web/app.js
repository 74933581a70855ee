// The page: the entry form, the reading, the dialogs and the language, around
// the core compiled to WebAssembly (amorist.js, loaded before this module).
import pageTexts, { catalogueFiles } from "./texts.js";
import { chooseLanguage } from "./language_choice.js";
import { attachNameFilter } from "./name_filter.js";
import { setUpReferral } from "./refer_a_friend.js";
import { showReading } from "./reading_view.js";
import { firstRefusal, standInDate } from "./empty_dates.js";

const byId = (id) => document.getElementById(id);

// The days and the years, from the range the build wrote on their lists.
for (const list of document.querySelectorAll("select[data-from]")) {
    for (let n = Number(list.dataset.from); n <= Number(list.dataset.to); ++n)
        list.add(new Option(String(n)));
}

// ---- the core --------------------------------------------------------------

const core = globalThis.AmoristModule({
    locateFile: () => new URL("amorist.wasm", import.meta.url).href,
});

async function readingOf(language, you, partner) {
    const module = await core;
    const json = module.ccall("amorist_reading", "string",
        ["string", "string", "string", "string", "string", "number"],
        [language, you.name, you.date, partner.name, partner.date, 1]);
    return JSON.parse(json);
}

// ---- texts -----------------------------------------------------------------

// FNV-1a of the source's UTF-8, as eight hex digits: how the site's catalogues
// name their sources (Catalogue::SourceHash).
function sourceHash(source) {
    let hash = 2166136261;
    for (const byte of new TextEncoder().encode(source))
        hash = Math.imul(hash ^ byte, 16777619) >>> 0;
    return hash.toString(16).padStart(8, "0");
}

// A catalogue as the build writes it: RS between records, US between fields,
// the first record its header.
function readCatalogue(text) {
    const entries = new Map();
    for (const record of text.split("\x1e").slice(1)) {
        const [context, source, comment, form] = record.split("\x1f");
        if (comment === "" && form)
            entries.set(`${context}\x1f${source}`, form);
    }
    return entries;
}

const catalogues = new Map([["en", new Map()]]);

async function loadLanguage(code) {
    if (catalogues.has(code))
        return;
    const response = await fetch(new URL(catalogueFiles[code], import.meta.url));
    const text = await response.text();
    const module = await core;
    const bytes = new TextEncoder().encode(text);
    const data = module._malloc(bytes.length);
    module.HEAPU8.set(bytes, data);
    const read = module._amorist_use_catalogue(data, bytes.length);
    module._free(data);
    if (read !== 1)
        throw new Error(`the catalogue of ${code} does not read`);
    catalogues.set(code, readCatalogue(text));
}

let language = "en";

function translate(context, source) {
    if (language === "en")
        return source;
    return catalogues.get(language).get(`${context}\x1f${sourceHash(source)}`) ?? source;
}

// "&Back" shows as "Back", "&&" as "&"; %1 takes the argument.
function shown(key, argument = "") {
    const [context, source] = pageTexts[key];
    return translate(context, source).replace(/&(.)/g, "$1").replace("%1", argument);
}

function showTexts() {
    document.documentElement.lang = language;
    for (const element of document.querySelectorAll("[data-text]"))
        element.textContent = shown(element.dataset.text, element.dataset.arg);
    for (const element of document.querySelectorAll("meta[data-meta]"))
        element.content = shown(element.dataset.meta);
    for (const element of document.querySelectorAll("[data-label]"))
        element.setAttribute("aria-label", shown(element.dataset.label));
    for (const element of document.querySelectorAll("[data-hint]")) {
        element.placeholder = shown(element.dataset.hint);
        element.setAttribute("aria-label", element.placeholder);
    }
    for (const option of document.querySelectorAll("option[data-month]"))
        option.textContent = translate("zodiac", option.dataset.month);
    byId("language").value = language;
}

// ---- the entry form and the reading ----------------------------------------

const alertLine = byId("alert");

function say(line, message) {
    // Emptied first, so the same message twice is announced twice.
    line.textContent = "";
    requestAnimationFrame(() => { line.textContent = message; });
}

// A person's entries; a date with a list left on its empty choice is noted
// with that list, and reads as the stand-in date until the check refuses it.
function person(prefix) {
    const lists = ["year", "month", "day"].map((id) => byId(prefix + id));
    const empty = lists.findLast((list) => list.value === "") ?? null;
    const iso = lists.map((list) => list.value.padStart(2, "0")).join("-");
    return { name: byId(prefix + "name").value, date: empty ? standInDate : iso, emptyList: empty };
}

const faultFocus = { name: "name", date: "day", partner_name: "partner-name", partner_date: "partner-day" };

let lastCouple = null;

const emptyDateMessage = { date: "missingDate", partner_date: "missingPartnerDate" };

async function askForReading(couple) {
    const reading = await readingOf(language, couple.you, couple.partner);
    const empty = { date: couple.you.emptyList !== null, partner_date: couple.partner.emptyList !== null };
    const refused = firstRefusal(reading.refused ?? null, empty);
    if (refused) {
        if (refused === reading.refused) {
            byId(faultFocus[refused]).focus();
            say(alertLine, reading.message);
        } else {
            (refused === "date" ? couple.you : couple.partner).emptyList.focus();
            say(alertLine, shown(emptyDateMessage[refused]));
        }
        // On a small screen the field may lie far above: the message is brought into sight too.
        requestAnimationFrame(() => alertLine.scrollIntoView({ block: "nearest" }));
        return;
    }
    alertLine.textContent = "";
    lastCouple = couple;
    showReading(reading, shown);
    byId("entry").hidden = true;
    byId("result").hidden = false;
    byId("result-heading").focus();
}

byId("entries").addEventListener("submit", (event) => {
    event.preventDefault();
    askForReading({ you: person(""), partner: person("partner-") });
});

byId("back").addEventListener("click", () => {
    byId("result").hidden = true;
    byId("entry").hidden = false;
    lastCouple = null;
    byId("get-reading").focus();
});

for (const id of ["name", "partner-name"])
    attachNameFilter(byId(id), () => say(alertLine, shown("onlyLetters")));

// ---- dialogs, promotion and language ---------------------------------------

// A dialog opens on its heading, not on its first control, which may be a link to another site.
function opensDialog(buttonId, dialogId) {
    const dialog = byId(dialogId);
    byId(buttonId).addEventListener("click", () => {
        dialog.showModal();
        dialog.querySelector("h2").focus();
    });
    dialog.addEventListener("close", () => byId(buttonId).focus());
}

opensDialog("open-about", "about");
opensDialog("open-refer", "refer");
setUpReferral({ byId, shown, english: (key) => pageTexts[key][1], say });

// Which of the two promotions is in front is drawn once per visit, as at start-up.
document.querySelector(Math.random() < 0.5 ? ".cobrand" : ".fullbrand").classList.add("in-front");

async function switchLanguage(code) {
    await loadLanguage(code);
    language = code;
    showTexts();
    if (lastCouple !== null) {
        const reading = await readingOf(language, lastCouple.you, lastCouple.partner);
        showReading(reading, shown);
    }
}

byId("language").addEventListener("change", async (event) => {
    const code = event.target.value;
    const address = new URL(location.href);
    address.searchParams.set("lang", code);
    history.replaceState(null, "", address);
    await switchLanguage(code);
});

const first = chooseLanguage(location.search, navigator.languages ?? []);
if (first !== "en")
    await switchLanguage(first);
document.documentElement.dataset.ready = "true";
