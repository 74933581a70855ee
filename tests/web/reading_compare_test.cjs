// The web edition's readings and refusals, byte for byte against amorist-cli:
// 1,000 seeded random couples, the edge dates and every refusal, in every language.
// Usage: node reading_compare_test.cjs AMORIST_CLI BUILD_WEB_DIR
const { execFile } = require("node:child_process");
const fs = require("node:fs");
const path = require("node:path");

const [cli, buildWeb] = process.argv.slice(2);
// The site's files carry a hash of their contents in their names: amorist.js is amorist.<hash>.js.
const served = fs.readdirSync(path.join(buildWeb, "site"));
const site = (name) => {
    const dot = name.lastIndexOf(".");
    const hashed = new RegExp(`^${name.slice(0, dot)}\\.[0-9a-f]{10}\\${name.slice(dot)}$`);
    const found = served.find((file) => hashed.test(file));
    if (!found) throw new Error(`the site has no ${name}`);
    return path.resolve(buildWeb, "site", found);
};
const languages = ["en", "de", "fr", "es"];
const months = ["January", "February", "March", "April", "May", "June", "July", "August",
    "September", "October", "November", "December"];

// mulberry32: the same couples on every run.
function random(seed) {
    return () => {
        seed = (seed + 0x6d2b79f5) | 0;
        let t = Math.imul(seed ^ (seed >>> 15), 1 | seed);
        t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
        return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
    };
}

function randomCouple(next) {
    const pick = (n) => Math.floor(next() * n);
    const letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ  abcé-'\"\\,";
    const name = () => Array.from({ length: 1 + pick(12) }, () => letters[pick(letters.length)]).join("");
    const date = () => {
        const year = 1930 + pick(83), month = pick(12), day = 1 + pick(31);
        return pick(2) ? `${year}-${String(month + 1).padStart(2, "0")}-${String(day).padStart(2, "0")}`
            : `${day}/${months[month]}/${year}`;
    };
    return [name(), date(), name(), date()];
}

const edges = [
    ["ANN", "1930-01-01", "BOB", "2012-12-31"], ["ANN", "2012-12-31", "BOB", "1930-01-01"],
    ["ANN", "29/February/1932", "BOB", "29/february/2000"], ["ANN", "2012-02-29", "BOB", "2004-02-29"],
    ["ANN", "31/December/1959", "BOB", "1/January/1960"], ["ANN", "31/December/1989", "BOB", "1990-01-01"],
    ["   ", "31/July/1975", " ", "1975-07-31"], ["\u00e9\u00e8 \u4e2d", "1975-03-07", "\x1b[31m", "1978-11-23"],
];
// Every check, in its order, and every fault of a date's text.
const refusals = [
    ["", "1975-03-07", "BOB", "1978-11-23"], ["ANN", "31/February/1990", "", "1978-11-23"],
    ["ANN", "1990-02-30", "BOB", "1978-11-23"], ["ANN", "31/June/1990", "BOB", "1978-11-23"],
    ["ANN", "1990-02-28", "", "1978-11-23"], ["ANN", "29/February/1990", "", "1978-11-23"],
    ["ANN", "29/February/1990", "BOB", "1978-11-23"], ["ANN", "1975-03-07", "BOB", "2001-02-29"],
    ["ANN", "1975-03-07", "BOB", "2004-02-30"], ["ANN", "1975-03-07", "BOB", "31/November/1999"],
    ["ANN", "2013-01-01", "BOB", "1978-11-23"], ["ANN", "1929-12-31", "BOB", "1978-11-23"],
    ["ANN", "1975-13-01", "BOB", "1978-11-23"], ["ANN", "1975-03-32", "BOB", "1978-11-23"],
    ["ANN", "7/Marc/1975", "BOB", "1978-11-23"], ["ANN", "7-3-1975", "BOB", "1978-11-23"],
    ["ANN", "1975-03-07", "BOB", ""], ["ANN", "1975-03-07", "BOB", "0/March/1975"],
];

function runCli(args) {
    return new Promise((resolve) => {
        execFile(cli, args, { encoding: "buffer" }, (error, stdout, stderr) =>
            resolve({ status: error ? error.code : 0, stdout: stdout.toString(), stderr: stderr.toString() }));
    });
}

async function main() {
    const factory = require(site("amorist.js"));
    // The page's own way into the core: every string through the heap.
    const { Core } = await import(require("node:url").pathToFileURL(site("core.js")).href);
    const core = new Core(await factory({ wasmBinary: fs.readFileSync(site("amorist.wasm")) }));
    for (const code of languages.slice(1)) {
        if (!core.useCatalogue(fs.readFileSync(site(`amorist_${code}.cat`))))
            throw new Error(`the catalogue of ${code} does not read`);
    }
    const reading = (language, couple, flags = 0) => core.callWithStrings("amorist_reading", [language, ...couple], flags);

    // Whatever the page passes, the core answers and stays usable: names of a million letters are
    // turned away, and on the page (flag 2) a name of spaces only is no name.
    const million = "A".repeat(1 << 20);
    const pageAnswers = [
        [[million, "1975-03-07", "BOB", "1978-11-23"], 0, "error"],
        [["ANN", "1975-03-07", million, "1978-11-23"], 0, "error"],
        [["ANN", "1975-03-07".repeat(1000), "BOB", "1978-11-23"], 0, "error"],
        [["A".repeat(core.longestName), "1975-03-07", "BOB", "1978-11-23"], 0, "readings"],
        [["   ", "1975-03-07", "BOB", "1978-11-23"], 2, "refused"],
        [["ANN", "1975-03-07", " ", "1978-11-23"], 2, "refused"],
        [["   ", "1975-03-07", "BOB", "1978-11-23"], 0, "readings"],
    ];
    for (const [couple, flags, key] of pageAnswers) {
        const answer = JSON.parse(reading("en", couple, flags));
        if (!(key in answer))
            throw new Error(`${couple.map((text) => text.slice(0, 12))} with flags ${flags}: ${JSON.stringify(answer).slice(0, 200)}`);
    }

    // The page's name filter is the core's, with the browser's alphabet: letters and marks of every
    // script, the space, hyphens and apostrophes, upper-cased by Unicode's full rules, as the page has
    // always kept names. Seeded random names from a mixed pool, against that rule written in JavaScript.
    const pageRule = (text) => {
        const upper = text.toUpperCase();
        const kept = upper.replace(/[^\p{L}\p{M} \-\u2010\u2011'\u2019]/gu, "");
        return { kept, refused: kept !== upper };
    };
    const pool = ["a", "Z", "\u00df", "\u00e9", "e\u0301", "\u03c2", "\u0390", "\ufb03", "\u0131", "\u0430",
        "\u4e2d", "\u0645", "\u{1D400}", "\u{1F600}", " ", "-", "\u2010", "'", "\u2019", "2", "!", "\x16", "\u202e",
        "\ud800", "\u0345", "\u01c5", "\u0149"];
    const nameNext = random(27);
    const names = [...pool, "straße", "o'neil", "ζωή", "zoë!", "ann-marie 2", "A".repeat(1 << 16),
        ...Array.from({ length: 500 }, () => Array.from({ length: 1 + Math.floor(nameNext() * 16) },
            () => pool[Math.floor(nameNext() * pool.length)]).join(""))];
    for (const name of names) {
        const got = core.filterName(name), expected = pageRule(name);
        if (got.kept !== expected.kept || got.refused !== expected.refused)
            throw new Error(`the name filter keeps ${JSON.stringify(got)} of ${JSON.stringify(name.slice(0, 40))}`);
    }

    const next = random(20);
    const couples = [...Array.from({ length: 1000 }, () => randomCouple(next)), ...edges, ...refusals];
    const failures = [];
    let compared = 0, refused = 0;
    const work = [];
    for (const language of languages)
        for (const couple of couples) work.push([language, couple]);
    async function worker() {
        for (let item = work.shift(); item; item = work.shift()) {
            const [language, couple] = item;
            const lang = language === "en" ? [] : ["--lang", language];
            const expected = await runCli(["reading", "--json", ...lang, "--", ...couple]);
            const web = reading(language, couple);
            const answer = JSON.parse(web);
            const got = answer.refused
                ? { status: 2, stdout: "", stderr: `amorist-cli: ${answer.error}\n` }
                : { status: 0, stdout: web, stderr: "" };
            refused += answer.refused ? 1 : 0;
            ++compared;
            if (got.status !== expected.status || got.stdout !== expected.stdout || got.stderr !== expected.stderr)
                failures.push({ language, couple, expected, got });
        }
    }
    await Promise.all([worker(), worker(), worker()]);
    for (const failure of failures.slice(0, 5))
        console.error(JSON.stringify(failure, null, 1));
    console.log(`${compared} readings compared (${refused} refusals), ${failures.length} differ`);
    if (failures.length > 0 || refused < refusals.length * languages.length)
        process.exit(1);
}

main().catch((error) => { console.error(error); process.exit(1); });
