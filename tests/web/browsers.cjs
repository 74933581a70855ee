// Debian's Chromium and Firefox ESR under puppeteer-core, headless, with the
// languages the browser says its user reads; Firefox also in a colour scheme
// of its own (Chromium's pages emulate theirs).
const puppeteer = require("puppeteer-core");
const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");

function launch(name, languages = "en-US,en", scheme = "light") {
    if (name === "chromium") {
        return puppeteer.launch({ executablePath: "/usr/bin/chromium", headless: true,
            args: ["--no-sandbox", `--accept-lang=${languages}`, "--disable-gpu"] });
    }
    // Firefox wants a HOME it can write to.
    process.env.HOME = fs.mkdtempSync(path.join(os.tmpdir(), "amorist-firefox-"));
    return puppeteer.launch({ browser: "firefox", executablePath: "/usr/bin/firefox-esr", headless: true,
        // The page's clipboard is read back without the paste prompt a person would see.
        extraPrefsFirefox: { "intl.accept_languages": languages, "dom.events.testing.asyncClipboard": true,
            "layout.css.prefers-color-scheme.content-override": scheme === "dark" ? 0 : 1 } });
}

module.exports = { launch };
