// Refer a friend: the desktop's fields, and its checks and referral address,
// which the core gives; the referral opens in a new tab. E-mail boxes refuse
// spaces as they are typed, as the desktop's do.
export function setUpReferral({ byId, shown, say, askCore }) {
    const alertLine = byId("refer-alert");
    const boxes = ["refer-name", "refer-email", "refer-friend-name", "refer-friend-email"].map(byId);
    const refuse = (message) => say(alertLine, message);

    for (const box of boxes.filter((b) => b.classList.contains("email"))) {
        box.addEventListener("input", () => {
            if (!box.value.includes(" "))
                return;
            box.value = box.value.replaceAll(" ", "");
            refuse(shown("noSpace"));
        });
    }

    byId("referral").addEventListener("submit", async (event) => {
        event.preventDefault();
        const answer = await askCore(boxes.map((box) => box.value));
        if (answer === null)
            return refuse(shown("noWebAssembly"));
        if (answer.refused)
            return refuse(answer.refused);
        alertLine.textContent = "";
        window.open(answer.address, "_blank", "noopener");
    });

    // One of the four support messages, drawn once per visit as the desktop draws it once per run.
    const support = byId("support");
    support.dataset.text = `support${Math.floor(Math.random() * 4)}`;
    support.textContent = shown(support.dataset.text);
}
