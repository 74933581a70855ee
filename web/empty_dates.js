// A date left on one of its empty choices ("Day", "Month", "Year") is refused
// with the message the check gives for that person's date, at the point of the
// check's order where that date is first looked at. The rest of the couple is
// checked by the core with a stand-in for each empty date, one every check takes.
export const standInDate = "1930-01-01";

// The order in which the check looks at the entries: your name, your date,
// your partner's name, your partner's date.
const checkOrder = ["name", "date", "partner_name", "partner_date"];

// coreRefused: the entry the core refused (or null); empty: which dates are
// left empty, as { date, partner_date }. Gives the entry to refuse, or null.
export function firstRefusal(coreRefused, empty) {
    const refused = checkOrder.filter((entry) => entry === coreRefused || empty[entry] === true);
    return refused[0] ?? null;
}
