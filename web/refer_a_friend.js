// Refer a friend: the desktop's fields, checks and referral address, which
// opens in a new tab. Empty boxes count as showing their hint, as the desktop's
// boxes do, so the checks give the same messages in the same order.
const referralPage = "https://www.quillmoor.com/qmqs-refer-a-friend.php";
const productRoot = "https://amorist.quillmoor.com/";

// As Qt's QUrl::toPercentEncoding: everything but A-Z a-z 0-9 - . _ ~ escaped.
function percentEncoded(value) {
    return encodeURIComponent(value).replace(/[!'()*]/g,
        (c) => "%" + c.charCodeAt(0).toString(16).toUpperCase());
}

function trimSpaces(text) {
    return text.replace(/^ +| +$/g, "");
}

export function setUpReferral({ byId, shown, english, say }) {
    const alertLine = byId("refer-alert");
    const boxes = ["refer-name", "refer-email", "refer-friend-name", "refer-friend-email"].map(byId);
    const refuse = (key) => say(alertLine, shown(key));

    for (const box of boxes.filter((b) => b.classList.contains("email"))) {
        box.addEventListener("input", () => {
            if (!box.value.includes(" "))
                return;
            box.value = box.value.replaceAll(" ", "");
            refuse("noSpace");
        });
    }

    // The value a box stands for: its trimmed text, or its hint when empty.
    const field = (box) => trimSpaces(box.value) || shown(box.dataset.hint);

    byId("referral").addEventListener("submit", (event) => {
        event.preventDefault();
        const [name, email, friendName, friendEmail] = boxes.map(field);
        // The desktop's message box, which no one sees, holds its English hint and a line break.
        const message = english("hintMessage") + "\r\n";
        if (email === friendEmail)
            return refuse("distinctEmails");
        for (const character of ["@", "."]) {
            if (!email.includes(character) || !friendEmail.includes(character))
                return refuse("properEmail");
        }
        const fields = [[name, "hintName", "missingName"], [email, "hintEmail", "missingEmail"],
            [message, "hintMessage", "missingMessage"], [friendName, "hintFriendName", "missingFriendName"],
            [friendEmail, "hintFriendEmail", "missingFriendEmail"]];
        for (const [value, hint, missing] of fields) {
            if (value === "" || value === shown(hint))
                return refuse(missing);
        }
        const values = [name, email, message, friendName, friendEmail, productRoot];
        const query = values.map((value, i) => `taf${i + 1}=${percentEncoded(value)}`).join("&");
        alertLine.textContent = "";
        window.open(`${referralPage}?${query}`, "_blank", "noopener");
    });

    // One of the four support messages, drawn once per visit as the desktop draws it once per run.
    const support = byId("support");
    support.dataset.text = `support${Math.floor(Math.random() * 4)}`;
    support.textContent = shown(support.dataset.text);
}
