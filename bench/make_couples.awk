# Prints N couples as batch reads them, name,date,partner_name,partner_date, with
# dates in both forms spread over every day the sign tables hold and a few names
# that need quoting; with -v tsv=1 the four fields tab-separated and unquoted,
# for a shell loop to read. Usage: awk -v n=1000000 -v seed=1 -f make_couples.awk
function day(   y, m, d, lengths) {
    y = 1930 + int(rand() * 83)
    m = 1 + int(rand() * 12)
    split("31 28 31 30 31 30 31 31 30 31 30 31", lengths, " ")
    if (m == 2 && y % 4 == 0) lengths[2] = 29
    d = 1 + int(rand() * lengths[m])
    if (rand() < 0.5) return sprintf("%04d-%02d-%02d", y, m, d)
    return d "/" months[m] "/" y
}
BEGIN {
    srand(seed)
    split("January February March April May June July August September October November December", months, " ")
    count = split("ALEX MORGAN|SAM RIVERS|Zoë Ångström|\"SMITH, ANN\"|李 小龍|JO|\"BOB \"\"THE BUILDER\"\"\"|María José|ROBIN|Ann-Marie O'Neil", names, "|")
    if (tsv) {
        for (i = 1; i <= count; i++)
            if (names[i] ~ /^"/) {
                names[i] = substr(names[i], 2, length(names[i]) - 2)
                gsub(/""/, "\"", names[i])
            }
        separator = "\t"
    } else {
        print "name,date,partner_name,partner_date"
        separator = ","
    }
    for (i = 0; i < n; i++)
        print names[1 + int(rand() * count)] separator day() separator \
              names[1 + int(rand() * count)] separator day()
}
