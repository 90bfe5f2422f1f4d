#!/bin/sh
# Writes the starting inputs of the fuzz targets into their corpus folders
# (the first argument is the folder that holds one folder per target).
# Inputs are written as text escapes here, so no binary file is kept.
set -eu
corpus=$1

dispatch="$corpus/fuzz_dispatch"
mkdir -p "$dispatch"
# The first byte tells the target how to cut the input into arrivals.
printf '\002\246v\000U\00012.5\001\246V\0007\001\246W\0002\000True\001\246L\0001\0003\000cy\00085\001\246a\000\007\000x\001\246g\000\231\005\010\006\001\246m\0000\000arena\001\246?\000\000x\001\246f\000\006\006\006\001\246t\000\005\000Reds\001' > "$dispatch/seed-misc"
printf '\001\246o\000\010\011\010\007\001\246P\000\011\011\005\001\246E\000\006\007\010\001\246c\000bob\000hi\0000\001\246M\000#al\000ann\000head\001' > "$dispatch/seed-mixed"
# Every numbered status message, ids 0 to 59, but 29, which ends the program.
{
    printf '\000'
    id=0
    while [ $id -le 59 ]; do
        if [ $id -eq 29 ]; then
            id=$((id + 1))
            continue
        fi
        printf '\246M\000'
        printf "\\$(printf '%03o' $((id + 5)))"
        printf '\010\001'
        id=$((id + 1))
    done
} > "$dispatch/seed-status"

shop="$corpus/fuzz_shop"
mkdir -p "$shop"
printf 'Paint Pouch:10:1\rPaint Tube:5:2\rRocket:40:9\rLiquid Paint:3:1\r' > "$shop/seed-ammo"
printf 'Chain Gun:900:12\rSniper Rifle:500:8\rSpare Tank:20:3\rMod:1:1' > "$shop/seed-guns"
printf 'Gas Mask:75:2\rJacket:50:4\rJacket:50:4\rshort:1\r$'"'"'3'"'"':1:1' > "$shop/seed-equipment"

team="$corpus/fuzz_team"
mkdir -p "$team"
printf 'Reds\r120\rhttp://reds.example\rGo reds\r3\r0\rann\0100\tTESTER\0107\tbob\0108\t' > "$team/seed-members"
printf 'X' > "$team/seed-none"

ranking="$corpus/fuzz_ranking"
mkdir -p "$ranking"
printf 'ann\00512\0052024-05-01\006bob\0059\0052024-05-02\006tail' > "$ranking/seed-rows"
printf 'short\006\006x\005007 hrs\005d\005extra\006' > "$ranking/seed-odd"

alias="$corpus/fuzz_alias"
mkdir -p "$alias"
# A list of two aliases, a saved alias, a refused save and two removal replies.
printf '\005a\006x\005b\006go n\r\nfire' > "$alias/seed-list"
printf '\006jump\000go n' > "$alias/seed-saved"
printf '\006X\000jump' > "$alias/seed-refused"
printf '\0070jump' > "$alias/seed-removed"
printf '\0071jump' > "$alias/seed-not-found"

ignore="$corpus/fuzz_ignore_file"
mkdir -p "$ignore"
printf ' 3 \r\nann\r\nBob Two\r\ncy_1\r\n' > "$ignore/seed-three"
printf ' 0 \r\n' > "$ignore/seed-empty"
printf ' 5 \r\nzed\r\n' > "$ignore/seed-short"

who="$corpus/fuzz_who"
mkdir -p "$who"
printf 'ann:10:Rookie:99:IN GAME:Reds:4:2:999;bob:85:Boss:10000:IN GAME:Blues:9:0:50000;cy:9:New:100:Waiting:None:0:1:5;$w;di:99:Admin:5:in game:Staff:1:3:0;' > "$who/seed-reply"
printf '$w' > "$who/seed-empty"

playlist="$corpus/fuzz_playlist"
mkdir -p "$playlist"
printf '"/home/ann/Music/one, two.mp3"\r\n"C:\\Songs\\Three.WAV"\r\n  "/open quote.mid\r\nbare/path.ogg\r\n\r\n' > "$playlist/seed-list"

settings="$corpus/fuzz_settings_file"
mkdir -p "$settings"
printf '[General]\nroot=1\n\n[%%General]\nStartup=False\n\n[Button0]\nCommand="GET FLAG; x, y = z"\nName=@@at\nTip=" lead and trail "\n\n[Client%%20Data]\nTime=1\n' > "$settings/seed-layout"
printf '; comment\n# by hand\n[Z]\nb=1 ; note\na = " x , y " \n  c=a,b, c\nk=v\\\ncont\ne=\\x41\\101\\0\\x31\n[open\nu=caf\303\251 \342\202\254\r\n' > "$settings/seed-hand"
# A byte-order mark at the head, and a U+FEFF in a value, which is none.
printf '\357\273\277[Button0]\nName=Fire\n' > "$settings/seed-bom"
printf 'k=\\xfeff\n' > "$settings/seed-feff"
