// The page: the entry form, the reading, the dialogs and the language, around
// the core compiled to WebAssembly (web/core.js). What needs no core (About,
// refer-a-friend's dialog, the language switch) never waits for it, so nothing
// that goes wrong with the core can take it down. What only some visits use
// (refer-a-friend, the reading's view and its commands) is imported when first
// needed.
import { textFiles, catalogueFiles, coreSize } from "./built.js";
import { chooseLanguage } from "./language_choice.js";
import { loadCore, runsWebAssembly } from "./core.js";

const byId = (id) => document.getElementById(id);

// A load started when first wanted and shared after; one that fails is tried
// again the next time it is wanted.
function loadedOnce(load) {
    let loading = null;
    return () => (loading ??= load().catch((error) => {
        loading = null;
        throw error;
    }));
}

// The days and the years, from the range the build wrote on their lists.
for (const list of document.querySelectorAll("select[data-from]")) {
    for (let n = Number(list.dataset.from); n <= Number(list.dataset.to); ++n)
        list.add(new Option(String(n)));
}

// ---- texts -----------------------------------------------------------------

// Each language's texts as the build wrote them, whole and shortcut markers
// gone; only the language shown is fetched. The page's English stands in the
// markup until its texts arrive, so nothing is said before they do.
const texts = new Map();
let language = null;

function shown(key, argument = "") {
    return texts.get(language)[key].replace("%1", argument);
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
    const months = shown("monthNames").split("\n");
    for (const option of document.querySelectorAll("option[data-month]"))
        option.textContent = months[Number(option.value) - 1];
    byId("language").value = language;
}

const alertLine = byId("alert");

function say(line, message) {
    // Emptied first, so the same message twice is announced twice.
    line.textContent = "";
    requestAnimationFrame(() => { line.textContent = message; });
}

// ---- the core --------------------------------------------------------------

const progress = byId("loading");
const readingButton = byId("get-reading");

function showProgress(share) {
    progress.querySelector("progress").value = share;
}

// The core, or null when it cannot be had now. A load that failed (a deploy
// half done, a dropped connection) is tried again when the core is next wanted.
const loadTheCore = loadedOnce(() => loadCore({
    script: byId("core-script"),
    wasmUrl: new URL("amorist.wasm", import.meta.url),
    wasmSize: coreSize,
    onProgress: showProgress,
}));
const coreOrNull = () => loadTheCore().catch(() => null);
coreOrNull();

// Why there is no reading: this browser cannot run the core, or it did not come.
const noCoreMessage = () => shown(runsWebAssembly() ? "readingFailed" : "noWebAssembly");

// The catalogues handed to the core; a language switch waits for its own.
const catalogues = new Map([["en", Promise.resolve(true)]]);

// A catalogue that did not come is fetched again when next wanted.
function catalogueFor(code) {
    if (!catalogues.has(code)) {
        const loading = (async () => {
            const ready = await coreOrNull();
            if (ready === null)
                return false;
            const response = await fetch(new URL(catalogueFiles[code], import.meta.url));
            return response.ok && ready.useCatalogue(new Uint8Array(await response.arrayBuffer()));
        })().catch(() => false);
        catalogues.set(code, loading);
        loading.then((read) => read || catalogues.delete(code));
    }
    return catalogues.get(code);
}

// The core with the catalogue of the language code, or null when either cannot be had.
async function coreSpeaking(code) {
    const ready = await coreOrNull();
    return ready !== null && (await catalogueFor(code)) ? ready : null;
}

// ---- the entry form and the reading ----------------------------------------

// A person's entries; a date with a list left on its empty choice is noted
// with that list, and reads as the stand-in date until the check refuses it.
function person(prefix, standInDate) {
    const lists = ["year", "month", "day"].map((id) => byId(prefix + id));
    const empty = lists.findLast((list) => list.value === "") ?? null;
    const iso = lists.map((list) => list.value.padStart(2, "0")).join("-");
    return { name: byId(prefix + "name").value, date: empty ? standInDate : iso, emptyList: empty };
}

const faultFocus = { name: "name", date: "day", partner_name: "partner-name", partner_date: "partner-day" };
const emptyDateMessage = { date: "missingDate", partner_date: "missingPartnerDate" };

// The field at fault in sight and clear of the message, which sticks to the
// bottom of the screen: on a small or much zoomed screen both stay in view.
function bringIntoView(field) {
    const margin = 8;  // a little room, so that rounding to whole pixels never cuts the field
    const clear = document.documentElement.clientHeight - alertLine.getBoundingClientRect().height;
    const { top, bottom } = field.getBoundingClientRect();
    if (top < 0)
        window.scrollBy(0, top - margin);
    else if (bottom > clear)
        window.scrollBy(0, bottom - clear + margin);
}

function refuse(fieldId, message) {
    const field = byId(fieldId);
    field.focus({ preventScroll: true });
    say(alertLine, message);
    requestAnimationFrame(() => bringIntoView(field));
}

let lastCouple = null;

// The reading's view and the commands under it. Their code is fetched once
// someone starts entering a couple, so it is here by the time the reading is.
const loadReadingModules = loadedOnce(() => Promise.all([
    import("./reading_view.js"),
    import("./picture_buttons.js").then(({ setUpPictures }) =>  // web/share/, served beside this file
        setUpPictures({ byId, shown, say })),
    import("./share/share_actions.js"),
]));

// The name filter is the core's, so it keeps the names from the core's arrival
// on, filtering what came before; its code comes with the first entry.
const filterNames = loadedOnce(async () => {
    const [{ attachNameFilter }, ready] = await Promise.all([import("./name_filter.js"), coreOrNull()]);
    if (ready === null)
        throw new Error("no core to filter names with");
    for (const id of ["name", "partner-name"]) {
        attachNameFilter(byId(id), (text) => ready.filterName(text),
            () => firstTexts.then(() => say(alertLine, shown("onlyLetters"))));
    }
});
// The rule for dates left empty comes with the first entry too.
const loadEmptyDates = loadedOnce(() => import("./empty_dates.js"));
byId("entries").addEventListener("input", () => {
    loadReadingModules().catch(() => {});
    loadEmptyDates().catch(() => {});
    filterNames().catch(() => {});
}, { once: true });

// A reading link's code loads only for an address that holds one.
let sharedReading = null;
async function showSharedReading() {
    if (sharedReading === null && !location.hash.startsWith("#r="))
        return;
    const { setUpSharedReading } = await import("./share/shared_reading.js");
    sharedReading ??= setUpSharedReading({ byId, shown, readingOfNumber });
    await sharedReading.show();
}
window.addEventListener("hashchange", showSharedReading);

async function showReading(reading) {
    const [view, pictures, share] = await loadReadingModules();
    view.showReading(reading, shown);
    pictures.show(language, reading, share.showShareActions({ byId, shown, say }, reading));
}

async function readingIn(code, couple) {
    const ready = await coreSpeaking(code);
    if (ready === null)
        return null;
    try {
        return ready.reading(code, couple.you, couple.partner);
    } catch (error) {
        console.warn("Amorist: the reading failed:", error);
        return null;
    }
}

async function readingOfNumber(number) {
    const ready = await coreSpeaking(language);
    if (ready === null)
        throw new Error("the core is not here to read a link");
    return ready.readingOfNumber(language, number);
}

// A request made before the core is ready waits for it; only the latest is answered.
let request = 0;

// A request whose code could not be fetched says so.
function askForReading() {
    readingAsked().catch((error) => {
        console.warn("Amorist: the reading failed:", error);
        say(alertLine, shown("readingFailed"));
    });
}

async function readingAsked() {
    const mine = ++request;
    const ready = await coreOrNull();
    await firstTexts;
    if (mine !== request)
        return;
    // The names as their boxes keep them, whatever was typed before the core came.
    const [{ firstRefusal, standInDate }] = await Promise.all([loadEmptyDates(), filterNames().catch(() => {})]);
    if (mine !== request)
        return;
    const couple = { you: person("", standInDate), partner: person("partner-", standInDate) };
    if (ready === null) {
        say(alertLine, noCoreMessage());
        return;
    }
    const longest = ready.longestName;
    for (const [id, name] of [["name", couple.you.name], ["partner-name", couple.partner.name]]) {
        if ([...name].length > longest)
            return refuse(id, shown("nameTooLong", String(longest)));
    }
    const reading = await readingIn(language, couple);
    if (mine !== request)
        return;
    if (reading === null || (reading.error && !reading.refused)) {
        say(alertLine, shown("readingFailed"));
        return;
    }
    const empty = { date: couple.you.emptyList !== null, partner_date: couple.partner.emptyList !== null };
    const refused = firstRefusal(reading.refused ?? null, empty);
    if (refused === reading.refused)
        return refuse(faultFocus[refused], reading.message);
    if (refused !== null)
        return refuse((refused === "date" ? couple.you : couple.partner).emptyList.id, shown(emptyDateMessage[refused]));
    try {
        await showReading(reading);
    } catch (error) {
        console.warn("Amorist: the reading's view did not load:", error);
        say(alertLine, shown("readingFailed"));
        return;
    }
    if (mine !== request)
        return;
    alertLine.textContent = "";
    lastCouple = couple;
    sharedReading?.leave();
    byId("entry").hidden = true;
    byId("result").hidden = false;
    byId("result-heading").focus();
}

// The page ships the button as a plain one, so that nothing submits the form
// natively before this script runs; from here on Enter in a box asks too.
byId("entries").addEventListener("submit", (event) => {
    event.preventDefault();
    askForReading();
});
readingButton.type = "submit";

byId("back").addEventListener("click", () => {
    byId("result").hidden = true;
    byId("entry").hidden = false;
    lastCouple = null;
    readingButton.focus();
});


// ---- dialogs, promotion and language ---------------------------------------

// A dialog opens on its heading, not on its first control, which may be a link
// to another site. Its words, which the page's markup leaves out, are the
// texts module's.
function opensDialog(buttonId, dialogId, whenOpened = () => {}) {
    const dialog = byId(dialogId);
    byId(buttonId).addEventListener("click", () => {
        whenOpened();
        dialog.showModal();
        dialog.querySelector("h2").focus();
    });
    dialog.addEventListener("close", () => byId(buttonId).focus());
}

// Refer-a-friend's code is fetched as its dialog first opens; the form is the
// page's to send, never the browser's, whether or not that code has come.
const loadReferral = loadedOnce(() => import("./refer_a_friend.js").then(({ setUpReferral }) =>
    setUpReferral({ byId, shown, say, noCoreMessage, askCore: async (boxes) =>
        (await coreSpeaking(language))?.referral(language, boxes) ?? null })));
byId("referral").addEventListener("submit", async (event) => {
    event.preventDefault();
    const referAFriend = await loadReferral().catch((error) => console.warn("Amorist: refer-a-friend:", error));
    await referAFriend?.submit();
});

opensDialog("open-about", "about");
opensDialog("open-refer", "refer", () => loadReferral().catch(() => {}));

// Which of the two promotions is in front, and which of the four support messages
// refer-a-friend shows, are drawn once per visit, as the desktop draws them once per run.
document.querySelector(Math.random() < 0.5 ? ".cobrand" : ".fullbrand").classList.add("in-front");
byId("support").dataset.text = `support${Math.floor(Math.random() * 4)}`;

async function textsOf(code) {
    if (!texts.has(code))
        texts.set(code, (await import(new URL(textFiles[code], import.meta.url))).default);
    return texts.get(code);
}

// The last language chosen wins, however the loads of earlier ones finish.
let wanted = null;

async function switchLanguage(code) {
    wanted = code;
    await textsOf(code);
    // Until some language is shown, the first to arrive is; the one wanted follows.
    if (wanted !== code && language !== null)
        return;
    language = code;
    showTexts();
    await showSharedReading();
    if (lastCouple !== null) {
        const reading = await readingIn(code, lastCouple);
        if (wanted === code && reading !== null && !reading.refused && !reading.error)
            await showReading(reading);
    }
}

byId("language").addEventListener("change", (event) => {
    const code = event.target.value;
    const address = new URL(location.href);
    address.searchParams.set("lang", code);
    history.replaceState(null, "", address);
    switchLanguage(code).catch((error) => console.warn(`Amorist: ${code} did not load:`, error));
});

// ---- ready -----------------------------------------------------------------

// Should the texts of the page's language not come (a deploy half done), English's do.
const firstTexts = switchLanguage(chooseLanguage(location.search, navigator.languages ?? []))
    .catch(() => switchLanguage("en"))
    .catch((error) => console.warn("Amorist: texts:", error));

progress.hidden = false;

coreOrNull().then(async (ready) => {
    await firstTexts;
    progress.hidden = true;
    readingButton.dataset.text = "getReading";
    readingButton.dataset.label = "getReadingName";
    showTexts();
    if (ready === null) {
        say(alertLine, noCoreMessage());
        return;
    }
    await catalogueFor(language);
    document.documentElement.dataset.ready = "true";
});

// A request the page's inline script kept from before this script ran is answered as any other;
// from here on the form's own handlers answer.
byId("entries").onclick = byId("entries").onkeydown = null;
if ("asked" in document.documentElement.dataset) {
    delete document.documentElement.dataset.asked;
    askForReading();
}
