// The page in a real browser, driven through its accessible names: readings
// against amorist-cli, the refusals, Back, the dialogs, German, the keyboard
// alone, axe-core in every language, no console error, no request to another
// origin, no horizontal scroll on a phone.
// Usage: node browser_test.cjs chromium|firefox AMORIST_CLI BUILD_WEB_DIR [page|look]
const { execFileSync } = require("node:child_process");
const fs = require("node:fs");
const path = require("node:path");
const { launch } = require("./browsers.cjs");
const { serveSite } = require("./serve_site.cjs");
const { appRows } = require("./app_rows.cjs");
const { shareRows } = require("./share_rows.cjs");
const { robustRows } = require("./robust_rows.cjs");
const { pictureRows } = require("./picture_rows.cjs");
const { designRows } = require("./design_rows.cjs");

// TABLE: "page" (the default) or "look", the design's rows over every view, language and scheme.
const [browserName, cli, buildWeb, table = "page"] = process.argv.slice(2);
const axeSource = fs.readFileSync(require.resolve("axe-core/axe.min.js"), "utf8");
const months = ["January", "February", "March", "April", "May", "June", "July", "August",
    "September", "October", "November", "December"];
const box = (name) => `::-p-aria([name="${name}"][role="textbox"])`;
const list = (name) => `::-p-aria([name="${name}"][role="combobox"])`;
const button = (name) => `::-p-aria([name="${name}"][role="button"])`;

// A control found by its accessible name, once per tab while it stays in the page: Firefox
// takes most of a second for each such search, and the entry view keeps its controls.
const foundControls = new WeakMap();
async function named(page, selector) {
    const found = foundControls.get(page) ?? new Map();
    foundControls.set(page, found);
    const kept = found.get(selector);
    if (kept && await kept.evaluate((element) => element.isConnected).catch(() => false))
        return kept;
    const control = await page.$(selector);
    found.set(selector, control);
    return control;
}

function cliReading(language, couple) {
    const lang = language === "en" ? [] : ["--lang", language];
    return JSON.parse(execFileSync(cli, ["reading", "--json", ...lang, "--", ...couple], { encoding: "utf8" }));
}

function check(condition, what) {
    if (!condition)
        throw new Error(what);
}

// The accessible names of the entries, by language: as the desktop names them.
const names = {
    en: { you: "Your name", partner: "Partner's name", day: "Your day of birth", month: "Your month of birth",
        year: "Your year of birth", partnerDay: "Partner's day of birth", partnerMonth: "Partner's month of birth",
        partnerYear: "Partner's year of birth", get: "Get our romantic compatibility reading", back: "Back" },
    de: { you: "Ihr Name", partner: "Name Ihres Partners", day: "Ihr Geburtsdatum, Tag",
        month: "Ihr Geburtsdatum, Monat", year: "Ihr Geburtsdatum, Jahr",
        partnerDay: "Geburtsdatum Ihres Partners, Tag", partnerMonth: "Geburtsdatum Ihres Partners, Monat",
        partnerYear: "Geburtsdatum Ihres Partners, Jahr", get: "Ihre romantische Kompatibilität ermitteln",
        back: "Zurück" },
};

// A new tab on the site; by default once the page is ready for a reading. prepare runs before the
// page loads; without waiting, the page is returned as soon as its entries are there.
async function open(context, query = "", { wait = true, prepare = async () => {} } = {}) {
    const page = await context.browser.newPage();
    await prepare(page);
    page.on("console", (message) => {
        if (message.type() === "error")
            context.problems.push(`console error: ${message.text()}`);
    });
    page.on("pageerror", (error) => context.problems.push(`page error: ${error.message}`));
    // The page's policy is in force throughout: any violation of it is an error.
    await page.evaluateOnNewDocument(() => document.addEventListener("securitypolicyviolation", (event) =>
        console.error(`policy violation: ${event.violatedDirective} ${event.blockedURI}`)));
    page.on("request", (request) => {
        const own = [context.server.origin, `blob:${context.server.origin}/`, "data:"];
        if (!own.some((start) => request.url().startsWith(start)))
            context.problems.push(`request to another origin: ${request.url()}`);
    });
    if (!wait) {
        page.goto(`${context.server.origin}/${query}`).catch((error) => context.problems.push(`loading: ${error.message}`));
        await page.waitForSelector("#get-reading");
        return page;
    }
    await page.goto(`${context.server.origin}/${query}`);
    await page.waitForSelector("html[data-ready]");
    return page;
}

// Fills both people's entries as a user would (ISO dates) and asks for a reading.
async function enter(page, n, [name, date, partnerName, partnerDate]) {
    const pick = async (label, value) => {
        const element = await named(page, list(label));
        await element.select(String(value));
    };
    for (const [nameLabel, text, iso, day, month, year] of [
        [n.you, name, date, n.day, n.month, n.year],
        [n.partner, partnerName, partnerDate, n.partnerDay, n.partnerMonth, n.partnerYear]]) {
        const field = await named(page, box(nameLabel));
        await field.click({ count: 3 });
        await page.keyboard.press("Backspace");
        if (text)
            await field.type(text);
        // "1975--07" leaves the month on its empty choice.
        const [y, m, d] = iso.split("-").map((part) => (part === "" ? "" : Number(part)));
        await pick(day, d);
        await pick(month, m);
        await pick(year, y);
    }
    await (await named(page, button(n.get))).click();
}

const text = (page, selector) => page.$eval(selector, (element) => element.textContent);

async function expectReading(page, language, couple) {
    await page.waitForSelector("#result:not([hidden])");
    const expected = cliReading(language, couple);
    check(await text(page, "#shown-name") === expected.you.name, "your name shown");
    check(await text(page, "#shown-partner-name") === expected.partner.name, "partner's name shown");
    for (const [index, which] of [[0, "one"], [1, "two"]]) {
        const reading = expected.readings[index];
        check(await text(page, `#paragraph-${which}`) === reading.paragraph, `paragraph ${which}`);
        check(await text(page, `#keywords-${which}`) === reading.category, `keywords ${which}`);
        check(await text(page, `#colour-${which}`) === reading.colour, `colour ${which}`);
        const swatch = await page.$eval(`#swatch-${which}`, (e) => getComputedStyle(e).backgroundColor);
        const hex = reading.swatch.slice(1).match(/../g).map((h) => parseInt(h, 16)).join(", ");
        check(swatch === `rgb(${hex})`, `swatch ${which}: ${swatch} for ${reading.swatch}`);
    }
    if (language === "en") {
        check(await text(page, "#shown-date") === expected.you.date_shown, "your date shown");
        check(await text(page, "#your-mars") === expected.you.mars, "your Mars sign");
        check(await text(page, "#partner-mars") === expected.partner.mars, "partner's Mars sign");
    }
    check(await page.evaluate(() => document.activeElement.id) === "result-heading", "focus on the reading's heading");
}

// Both dates as 1 January 1930, each list picked from its empty choice.
async function pickFirstDates(page) {
    for (const id of ["day", "month", "year", "partner-day", "partner-month", "partner-year"])
        await page.$eval(`#${id}`, (list) => { list.selectedIndex = 1; });
}

// A reading of two names typed in and the first dates picked, as amorist-cli gives it.
async function readingWorks(page, language) {
    await page.waitForFunction((l) => document.documentElement.lang === l, {}, language);
    if (await page.$eval("#entry", (e) => e.hidden))
        await page.click("#back");
    for (const [id, name] of [["#name", "ANN"], ["#partner-name", "BOB"]]) {
        await page.$eval(id, (e) => { e.value = ""; });
        await page.type(id, name);
    }
    await pickFirstDates(page);
    await page.click("#get-reading");
    await expectReading(page, language, ["ANN", "1930-01-01", "BOB", "1930-01-01"]);
}

async function expectRefusal(page, message, focusedName) {
    await page.waitForFunction((m) => document.getElementById("alert").textContent === m, {}, message);
    const focused = await page.evaluate(() => document.activeElement.getAttribute("aria-label"));
    check(focused === focusedName, `focus on ${focusedName}, not ${focused}`);
}

async function axe(page, what) {
    // The reading rises into view: its colours are measured once it has arrived.
    await page.evaluate(() => Promise.all(document.getAnimations().map((a) => a.finished)));
    await page.evaluate(axeSource);
    const result = await page.evaluate(() => globalThis.axe.run(document,
        { runOnly: { type: "tag", values: ["wcag2a", "wcag2aa", "wcag21a", "wcag21aa", "wcag22aa"] } }));
    const found = result.violations.map((v) => `${v.id} (${v.nodes.map((n) => n.target).join(" ")})`);
    check(found.length === 0, `axe on ${what}: ${found.join("; ")}`);
}

const couples = [
    ["ALEX MORGAN", "1975-03-07", "SAM RIVERS", "1978-11-23"],
    ["ANN", "1930-01-01", "BOB", "2012-12-31"],
    ["JO", "2000-02-29", "LEE", "1966-06-30"],
];

const pageRows = [
    ["a few couples as amorist-cli reads them, and Back keeps the entries", async (context) => {
        const page = await open(context);
        for (const couple of couples) {
            await enter(page, names.en, couple);
            await expectReading(page, "en", couple);
            await (await named(page, button("Back"))).click();
            check(await page.$eval("#name", (e) => e.value) === couple[0], "Back keeps the name");
            check(await page.$eval("#partner-year", (e) => e.value) === couple[3].slice(0, 4), "Back keeps the year");
        }
    }],
    ["every check's message, with focus on the field at fault", async (context) => {
        const page = await open(context);
        const n = names.en;
        await (await named(page, button(n.get))).click();
        await expectRefusal(page, "Please Enter Your Name", n.you);
        const refusals = [
            [["ANN", "1990-02-31", "", "1978-11-23"], "Please Enter Your Correct Date of Birth!", n.day],
            // On the page a name of spaces only is no name (the desktop and amorist-cli take it).
            [["   ", "1975-03-07", "BOB", "1978-11-23"], "Please Enter Your Name", n.you],
            [["ANN", "1975-03-07", " ", "1978-11-23"], "Please Enter Your Partner's Name", n.partner],
            [["ANN", "1990-06-31", "BOB", "1978-11-23"], "Please Enter Correct Date of Birth !", n.day],
            [["ANN", "1990-02-29", "", "1978-11-23"], "Please Enter Your Partner's Name", n.partner],
            [["ANN", "1990-02-29", "BOB", "1978-11-23"], "Please Enter Correct Date Or Month!", n.day],
            [["ANN", "1975-03-07", "BOB", "2001-02-29"], "Please Enter Correct Date Or Month Of Your Friend!", n.partnerDay],
            [["ANN", "1975-03-07", "BOB", "1999-11-31"], "Please Enter Correct Date Or Month Of Your Friend !", n.partnerDay],
            // A list left on its empty choice: that person's date message, in the check's order.
            [["ANN", "--", "", "1978-11-23"], "Please Enter Your Correct Date of Birth!", n.day],
            [["ANN", "-03-07", "BOB", "1978-11-23"], "Please Enter Your Correct Date of Birth!", n.year],
            [["", "1975-03-", "BOB", "1978-11-23"], "Please Enter Your Name", n.you],
            [["ANN", "1975-03-07", "", "--"], "Please Enter Your Partner's Name", n.partner],
            [["ANN", "1990-02-29", "BOB", "--"], "Please Enter Correct Date Or Month!", n.day],
            [["ANN", "1975-03-07", "BOB", "1978--23"], "Please Enter Correct Date Or Month Of Your Friend!", n.partnerMonth],
        ];
        for (const [couple, message, focus] of refusals) {
            await enter(page, n, couple);
            await expectRefusal(page, message, focus);
        }
        // The name filter: letters of every alphabet upper-cased by Unicode's rules, spaces, hyphens
        // and apostrophes; anything else refused and dropped.
        const name = await named(page, box(n.you));
        for (const [typed, kept, refused] of [["ann-marie 2", "ANN-MARIE ", true], ["françoise", "FRANÇOISE", false],
            ["straße", "STRASSE", false], ["o'neil", "O'NEIL", false], ["ζωή", "ΖΩΉ", false],
            ["ольга", "ОЛЬГА", false], ["zoë!", "ZOË", true]]) {
            await page.$eval("#alert", (e) => { e.textContent = ""; });
            await name.click({ count: 3 });
            await page.keyboard.press("Backspace");
            await name.type(typed);
            check(await page.$eval("#name", (e) => e.value) === kept, `the name filter keeps ${kept} of ${typed}`);
            if (refused)
                await expectRefusal(page, "Please Enter Only Letters !", n.you);
            else
                check(await text(page, "#alert") === "", `${typed} is refused`);
        }
        const couple = ["FRANÇOISE", "1975-03-07", "ΖΩΉ", "1978-11-23"];
        await enter(page, n, couple);
        await expectReading(page, "en", couple);
    }],
    ["About opens from the page and Esc closes it; refer-a-friend checks its fields", async (context) => {
        const page = await open(context);
        await (await named(page, button("About Software"))).click();
        check(await page.$eval("#about", (e) => e.open), "About is open");
        // Its words come from the texts module; "&" in a label is the word, not a shortcut marker.
        const about = await text(page, "#about .description");
        check(about.includes("signs. Venus & Mars signs are opposite"), `About says: ${about}`);
        await axe(page, "About");
        await page.keyboard.press("Escape");
        check(!(await page.$eval("#about", (e) => e.open)), "Esc closes About");
        await (await named(page, button("Refer A Friend"))).click();
        await axe(page, "refer-a-friend");
        await page.evaluate(() => { window.open = (address) => { document.body.dataset.opened = address; }; });
        const submit = await named(page, button("Refer A Friend Now"));
        const refusal = (m) => page.waitForFunction((t) => document.getElementById("refer-alert").textContent === t, {}, m);
        await submit.click();
        await refusal("Please Enter Proper Email Address");
        await (await named(page, box("Your Email Address"))).type("a b@x.org");
        await refusal("Email Address Cannot Contain Space");
        await (await named(page, box("Friend's Email Address"))).type("ab@x.org");
        await submit.click();
        await refusal("Please Enter Distinct Email Addresses");
        await (await named(page, box("Friend's Email Address"))).type("c");
        await submit.click();
        await refusal("Please Enter Your Name");
        await (await named(page, box("Your Name"))).type("ANN LEE");
        await (await named(page, box("Friend's Name"))).type("B&B");
        await submit.click();
        await page.waitForFunction(() => document.body.dataset.opened);
        const opened = await page.evaluate(() => document.body.dataset.opened);
        check(opened === "https://www.quillmoor.com/qmqs-refer-a-friend.php?taf1=ANN%20LEE&taf2=ab%40x.org"
            + "&taf3=Your%20Message%0D%0A&taf4=B%26B&taf5=ab%40x.orgc&taf6=https%3A%2F%2Famorist.quillmoor.com%2F",
            `referral address ${opened}`);
    }],
    ["in German, chosen by the browser's languages, then French from the switch", async (context) => {
        const german = await launch(browserName, "de-DE,de,en");
        const page = await open({ ...context, browser: german });
        try {
            check(await page.evaluate(() => document.documentElement.lang) === "de", "<html lang> follows");
            const couple = ["ALEX", "1975-03-07", "SAM", "1978-11-23"];
            await enter(page, names.de, couple);
            await expectReading(page, "de", couple);
            check(await text(page, "#your-mars") === "Wassermann", "the signs in German");
            // The switch changes the language of the reading on screen, and the address keeps it.
            await (await named(page, list("Sprache"))).select("fr");
            await page.waitForFunction(() => document.documentElement.lang === "fr");
            check(await text(page, "#your-mars") === "Verseau", "the switch shows the reading in French");
            check(new URL(page.url()).searchParams.get("lang") === "fr", "?lang=fr follows the switch");
            await (await named(page, button("Retour"))).click();
        } finally {
            await german.close();
        }
    }],
    ["the keyboard alone: Tab, Enter, Space and arrows", async (context) => {
        const page = await open(context);
        const focused = () => page.evaluate(() => document.activeElement.id);
        // Backwards with Shift+Tab, so as not to pass through the browser's own controls.
        const tabTo = async (id, backwards = false) => {
            for (let i = 0; i < 30 && (await focused()) !== id; ++i) {
                if (backwards)
                    await page.keyboard.down("Shift");
                await page.keyboard.press("Tab");
                if (backwards)
                    await page.keyboard.up("Shift");
            }
            check((await focused()) === id, `Tab reaches ${id}`);
        };
        // Each list starts on its empty choice: one arrow down picks its first item.
        const arrowDown = async (id, times = 1) => {
            await tabTo(id);
            for (let i = 0; i < times; ++i)
                await page.keyboard.press("ArrowDown");
        };
        await tabTo("name");
        await page.keyboard.type("kim");
        await arrowDown("day", 2);
        await arrowDown("month");
        await arrowDown("year");
        await tabTo("partner-name");
        await page.keyboard.type("lou");
        await arrowDown("partner-day");
        await arrowDown("partner-month", 2);
        await arrowDown("partner-year");
        await tabTo("get-reading");
        await page.keyboard.press("Enter");
        await expectReading(page, "en", ["KIM", "1930-01-02", "LOU", "1930-02-01"]);
        await tabTo("back");
        await page.keyboard.press(" ");
        await page.waitForSelector("#entry:not([hidden])");
        await tabTo("open-about", true);
        await page.keyboard.press("Enter");
        await page.waitForSelector("#about[open]", { timeout: 5000 });
        await tabTo("about-ok");
        await page.keyboard.press("Enter");
        await page.waitForSelector("#about:not([open])", { timeout: 5000 });
    }],
    ["axe-core finds nothing in any language, in every view and dialog", async (context) => {
        for (const language of ["en", "de", "fr", "es"]) {
            const page = await open(context, `?lang=${language}`);
            check(await page.evaluate(() => document.documentElement.lang) === language, `?lang=${language} pins it`);
            await axe(page, `the entries in ${language}`);
            await page.click("#get-reading");
            await axe(page, `a refusal in ${language}`);
            await page.type("#name", "ANN");
            await page.type("#partner-name", "BOB");
            await pickFirstDates(page);
            await page.click("#get-reading");
            await page.waitForSelector("#result:not([hidden])");
            await axe(page, `the reading in ${language}`);
            await page.click("#back");
            for (const dialog of ["about", "refer"]) {
                await page.click(`#open-${dialog}`);
                await axe(page, `${dialog} in ${language}`);
                await page.keyboard.press("Escape");
            }
            await page.close();
        }
    }],
    ["no horizontal scroll at 320 px, nor at 200% text size", async (context) => {
        for (const [width, textSize] of [[320, "100%"], [640, "200%"]]) {
            const page = await open(context, "?lang=fr");
            await page.setViewport({ width, height: 640 });
            await page.evaluate((size) => { document.documentElement.style.fontSize = size; }, textSize);
            const fits = (what) => page.evaluate(() => document.documentElement.scrollWidth)
                .then((scroll) => check(scroll <= width, `${what} is ${scroll} px wide at ${width} px, ${textSize}`));
            await fits("the entries");
            await page.type("#name", "ANNE MARIE DE LA TOUR DU PIN");
            await page.type("#partner-name", "BOB");
            await pickFirstDates(page);
            await page.click("#get-reading");
            await page.waitForSelector("#result:not([hidden])");
            await fits("the reading");
            await page.click("#back");
            await page.click("#open-refer");
            await fits("refer-a-friend");
            await page.close();
        }
    }],
    ...appRows({ browserName, buildWeb, open, check, axe, readingWorks }),
    ...shareRows({ browserName, buildWeb, open, check, axe, enter, names, cliReading }),
    ...robustRows({ browserName, buildWeb, open, check, readingWorks, expectReading, expectRefusal, enter, names }),
    ...pictureRows({ browserName, open, check, readingWorks }),
];
const rows = table === "look" ? designRows({ browserName, open, check, axe }) : pageRows;

// AMORIST_WEB_ROWS=regex runs only the rows whose names match, while working on them.
const chosen = rows.filter(([name]) => new RegExp(process.env.AMORIST_WEB_ROWS ?? "").test(name));

async function main() {
    const server = await serveSite(path.join(buildWeb, "site"));
    const browser = await launch(browserName);
    let failed = 0;
    try {
        for (const [name, run] of chosen) {
            const context = { browser, server, problems: [] };
            const started = Date.now();
            try {
                await run(context);
                check(context.problems.length === 0, context.problems.join("; "));
                console.log(`ok: ${name} (${((Date.now() - started) / 1000).toFixed(1)} s)`);
            } catch (error) {
                ++failed;
                console.log(`FAILED: ${name}: ${error.message}`);
            }
        }
    } finally {
        await browser.close();
        await server.close();
    }
    console.log(`${browserName}: ${chosen.length - failed} of ${chosen.length} passed`);
    process.exit(failed === 0 ? 0 : 1);
}

main().catch((error) => { console.error(error); process.exit(1); });
