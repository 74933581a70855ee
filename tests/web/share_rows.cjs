// Rows of the browser test for passing a reading on: Copy Link's link opened in a
// fresh profile with the server gone, fragments that are not ours, and the printout.
const { execFileSync } = require("node:child_process");
const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const { launch } = require("./browsers.cjs");
const { serveSite } = require("./serve_site.cjs");
const { workerActive } = require("./app_rows.cjs");

const couple = ["ALEX MORGAN", "1975-03-07", "SAM RIVERS", "1978-11-23"];

// What the page and the printout must never hold once a reading is passed on.
function personalData(reading) {
    const people = [reading.you, reading.partner];
    return [...people.flatMap((p) => [p.name, p.date, p.date_shown, p.mars, p.venus]), "1975", "1978"];
}

// The colours a binary PPM (P6, 8 bits) holds, as RRGGBB.
function coloursIn(ppm) {
    const [, width, height] = ppm.toString("latin1", 0, 40).match(/^P6\s+(\d+)\s+(\d+)\s+255\s/);
    const start = ppm.length - width * height * 3;
    const colours = new Set();
    for (let i = start; i < ppm.length; i += 3)
        colours.add(ppm.toString("hex", i, i + 3).toUpperCase());
    return colours;
}

function shareRows({ browserName, buildWeb, open, check, axe, enter, names, cliReading }) {
    const site = path.join(buildWeb, "site");
    const shows = (page, selector) => page.$eval(selector, (e) => !e.hidden && e.offsetParent !== null);

    async function readingOnScreen(page, ofCouple = couple) {
        await enter(page, names.en, ofCouple);
        await page.waitForSelector("#result:not([hidden])");
        // The commands come with the first reading, and their print style sheet with them.
        await page.waitForFunction(() => [...document.styleSheets].some((sheet) => sheet.media.mediaText === "print"));
        return cliReading("en", ofCouple);
    }

    const rows = [
        ["Copy Link: the two numbers only; opened in a fresh German profile offline, the same readings and no one's data",
            async (context) => {
                const server = await serveSite(site);
                if (browserName === "chromium") {
                    await context.browser.defaultBrowserContext().overridePermissions(server.origin,
                        ["clipboard-read", "clipboard-write", "clipboard-sanitized-write"]);
                }
                const page = await open({ ...context, server });
                const expected = await readingOnScreen(page);
                await page.click("#copy-link");
                await page.waitForFunction(() => document.getElementById("share-status").textContent !== "");
                const link = await page.evaluate(() => navigator.clipboard.readText());
                const [one, two] = expected.readings.map((r) => r.number);
                check(link === `${server.origin}/#r=${one}-${two}`, `the copied link: ${link}`);
                check((await page.$eval("#share-status", (e) => e.textContent)).endsWith(link), "the link is shown");

                const fresh = await launch(browserName, "de-DE,de,en");
                try {
                    const first = await open({ ...context, server, browser: fresh });
                    await workerActive(first);
                    await server.close();
                    const opened = await open({ ...context, server, browser: fresh }, link.slice(server.origin.length + 1));
                    await opened.waitForFunction(() => document.getElementById("shared-paragraph-two").textContent !== "");
                    check(await shows(opened, "#shared") && await shows(opened, "#entry"), "the readings above the entries");
                    const german = cliReading("de", couple);
                    for (const [index, which] of [[0, "one"], [1, "two"]]) {
                        const reading = german.readings[index];
                        const shown = (what) => opened.$eval(`#shared-${what}-${which}`, (e) => e.textContent);
                        check(await shown("paragraph") === reading.paragraph, `paragraph ${which} in German`);
                        check(await shown("keywords") === reading.category, `category ${which} in German`);
                        check(await shown("colour") === reading.colour, `colour ${which} in German`);
                        const swatch = await opened.$eval(`#shared-swatch-${which}`, (e) => getComputedStyle(e).backgroundColor);
                        const rgb = reading.swatch.slice(1).match(/../g).map((h) => parseInt(h, 16)).join(", ");
                        check(swatch === `rgb(${rgb})`, `swatch ${which}: ${swatch}`);
                    }
                    // The entries' own lists hold every year; the readings and the entries' boxes hold nothing of theirs.
                    const shownText = await opened.$eval("#shared", (e) => e.innerText);
                    for (const data of personalData(german))
                        check(!shownText.includes(data), `the opened link shows '${data}'`);
                    check(await opened.$eval("#name", (e) => e.value) === ""
                        && await opened.$eval("#partner-name", (e) => e.value) === "", "the entries are filled in");
                    await axe(opened, "a reading opened from a link");
                    // A reading of one's own puts the link's away.
                    await opened.type("#name", "KIM");
                    await opened.type("#partner-name", "LOU");
                    for (const id of ["day", "month", "partner-day", "partner-month"])
                        await opened.select(`#${id}`, "1");
                    for (const id of ["year", "partner-year"])
                        await opened.select(`#${id}`, "1930");
                    await opened.click("#get-reading");
                    await opened.waitForSelector("#result:not([hidden])");
                    check(!(await shows(opened, "#shared")) && new URL(opened.url()).hash === "", "the link's reading is put away");
                } finally {
                    await fresh.close();
                }
            }],
        ["fragments that are not two reading numbers open the plain page, without a word in the console",
            async (context) => {
                const hostile = ["#r=13-0", "#r=0-5", "#r=<script>alert(1)</script>", "#r=1-1-1", "#r=01-9", "#r=10-9x",
                    "#r=1%2D2", "#R=1-2", `#r=${"9".repeat(10240)}`, `#r=1-${"1".repeat(10240)}`];
                for (const fragment of hostile) {
                    const page = await context.browser.newPage();
                    const said = [];
                    page.on("console", (message) => said.push(message.text()));
                    page.on("pageerror", (error) => said.push(error.message));
                    await page.goto(`${context.server.origin}/${fragment}`);
                    await page.waitForSelector("html[data-ready]");
                    check(!(await shows(page, "#shared")) && await shows(page, "#entry"), `${fragment.slice(0, 40)} shows a reading`);
                    check(said.length === 0, `${fragment.slice(0, 40)}: console says ${said.join("; ")}`);
                    await page.close();
                }
            }],
        ["Print asks the browser to print the reading", async (context) => {
            const page = await open(context);
            await readingOnScreen(page);
            await page.evaluate(() => { window.print = () => { document.body.dataset.printed = "yes"; }; });
            await page.click("#print-reading");
            check(await page.evaluate(() => document.body.dataset.printed) === "yes", "print() was called");
        }],
    ];
    if (browserName === "chromium") {
        rows.push(["the printout: one A4 or Letter page with the whole reading, its colours and nothing to click",
            async (context) => {
                const page = await open(context);
                const work = fs.mkdtempSync(path.join(os.tmpdir(), "amorist-print-"));
                // Short names, and long ones over several lines.
                const longName = "MARIA DE LAS MERCEDES ".repeat(4).trim();
                try {
                    for (const [format, entries] of [["A4", couple], ["Letter", couple], ["A4", [longName, "1990-06-15", longName, "1930-01-01"]]]) {
                        if (await page.$eval("#entry", (e) => e.hidden))
                            await page.click("#back");
                        const expected = await readingOnScreen(page, entries);
                        const pdf = path.join(work, `${format}.pdf`);
                        fs.writeFileSync(pdf, await page.pdf({ format }));
                        const pages = execFileSync("pdfinfo", [pdf], { encoding: "utf8" }).match(/^Pages:\s+(\d+)/m)[1];
                        check(pages === "1", `${format}: ${pages} pages`);
                        const text = execFileSync("pdftotext", [pdf, "-"], { encoding: "utf8" }).replace(/\s+/g, " ");
                        const people = [expected.you, expected.partner];
                        const wanted = [...people.flatMap((p) => [p.name.slice(0, 30), p.date_shown, p.mars, p.venus]),
                            ...expected.readings.flatMap((r) => [r.category, r.colour, r.paragraph])];
                        for (const words of wanted)
                            check(text.includes(words), `${format}: the printout lacks '${words.slice(0, 40)}'`);
                        for (const control of ["Print", "Copy Link", "Back", "Refer A Friend", "Get Our"])
                            check(!text.includes(control), `${format}: the printout shows '${control}'`);
                        // The swatches keep their colours although backgrounds are not asked for.
                        execFileSync("pdftoppm", ["-r", "50", "-singlefile", pdf, path.join(work, format)]);
                        const colours = coloursIn(fs.readFileSync(path.join(work, `${format}.ppm`)));
                        for (const reading of expected.readings)
                            check(colours.has(reading.swatch.slice(1)), `${format}: no ${reading.swatch} swatch printed`);
                    }
                } finally {
                    fs.rmSync(work, { recursive: true });
                }
            }]);
    }
    return rows;
}

module.exports = { shareRows };
