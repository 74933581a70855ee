// Lighthouse 12.2.3 (pinned in tests/web/package-lock.json) on the built site, served through
// web/nginx/amorist.conf as `make run-web-nginx` serves it, with its mobile and desktop presets
// in Debian's Chromium: accessibility, best practices and SEO should be 1.0, performance at
// least 0.95. Prints each score against its goal (make bench).
// Usage: node web_lighthouse.cjs BUILD_WEB_DIR (the npm tools in BUILD_WEB_DIR/npm)
const { execFileSync } = require("node:child_process");
const fs = require("node:fs");
const path = require("node:path");

const [buildWeb] = process.argv.slice(2);
const { startNginx } = require("../tests/web/app_rows.cjs");
const lighthouse = path.join(buildWeb, "npm", "node_modules", ".bin", "lighthouse");
const goals = { performance: 0.95, accessibility: 1, "best-practices": 1, seo: 1 };

function audit(origin, preset) {
    const report = path.join(buildWeb, `lighthouse-${preset}.json`);
    execFileSync(lighthouse, [`${origin}/`, "--quiet", "--output=json", `--output-path=${report}`,
        "--chrome-flags=--headless=new --no-sandbox --disable-gpu",
        ...(preset === "desktop" ? ["--preset=desktop"] : [])],
    { env: { ...process.env, CHROME_PATH: "/usr/bin/chromium" }, stdio: ["ignore", "ignore", "inherit"] });
    return JSON.parse(fs.readFileSync(report, "utf8"));
}

async function main() {
    const server = startNginx(path.join(buildWeb, "site"), path.join(buildWeb, "nginx-lighthouse"));
    let missed = false;
    try {
        const origin = await server.origin;
        console.log("Lighthouse 12.2.3 through web/nginx/amorist.conf (Debian's Chromium)");
        for (const preset of ["mobile", "desktop"]) {
            const { categories, audits } = audit(origin, preset);
            const scores = Object.entries(goals).map(([id, goal]) => {
                const score = categories[id].score;
                missed ||= score < goal;
                return `${id} ${score.toFixed(2)}${score < goal ? ` (UNDER ${goal})` : ""}`;
            });
            const timings = ["first-contentful-paint", "largest-contentful-paint", "total-blocking-time",
                "cumulative-layout-shift"].map((id) => `${id} ${audits[id].displayValue}`);
            console.log(`${preset}: ${scores.join(", ")}\n  ${timings.join(", ")}`);
        }
    } finally {
        server.stop();
    }
    console.log(missed ? "Lighthouse: a score is under its goal" : "Lighthouse: every score meets its goal");
    process.exit(missed ? 1 : 0);
}

main().catch((error) => { console.error(error); process.exit(1); });
