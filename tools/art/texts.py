"""The words on the pictures. Every person and group named here is an invented handle."""

PRODUCT_INITIALS = "Z.A.V"
PRODUCT_NAME = "Korvath"
GROUP = "Nocturna"
YEAR = "1999"

# (heading lines, names) of the credits roll, top to bottom.
CREDITS = [
    (["EXECUTIVE", "PRODUCER"], ["VRANA"]),
    (["DESIGN"], ["MLOK", "JASPIS"]),
    (["MUSIC"], ["VRANA", "ZED", "MLOK"]),
    (["PROGRAMMING"], ["ZED", "KOLIBRI"]),
]

GREETINGS = [
    "PIXEL MONKS", "ATOMIC FROGS", "NEON OWLS", "KVASAR 9", "MLZNA LAMPA", "ZELEZNY PSTROS",
    "TUNDRA BEAT", "SKLENENA MYS", "ORBIT KIDS", "REZAVA TRUBKA", "MODRY SLON", "DIM LANTERN",
    "PAPER COMETS", "NULOVY BOD", "TICHA VODA", "HEXLIGHT", "OLOVENY VLAK", "SOLAR MOTH",
    "KOSTKA CUKRU", "VELVET BYTES", "NOCNI MURA", "POLARNI LISKA", "JANTAR",
]

MAIN_TEXT = (
    "Nocturna uvadi Z.A.V - Korvath !!!  Vitejte u naseho prvniho hudebniho disku. "
    "Najdete tu dvanact skladeb: Clouds, Intos, Labyrinth, Last Crusader, Psycho, Cyber Dream, "
    "Friends, Frail Love, Inborn, Toots, Turrican a DFactory. Najedte mysi na nazev skladby, "
    "kliknete a hraje, dole se pak objevi par slov o ni. Vlevo je Credits, Mute pro ticho a Quit "
    "pro odchod, klavesa F10 zavre disk kdykoli.  Hudbu slozili Vrana, Zed a Mlok, obrazky "
    "nakreslili Mlok a Jaspis, kod spichli Zed a Kolibri.  Trocha historie: vsechno zacalo v zime "
    "1998 ve sklepe u Mloka, kde jsme do rana poslouchali stare moduly a rekli si, ze to zvladneme "
    "taky. Nejdriv to melo byt jedno male intro, pak pet skladeb, pak deset, a ted jich je dvanact "
    "a k tomu znelka. V lete nam odesel disk i s pulkou rozdelanych modulu, takze Labyrinth a "
    "Psycho jsme psali znovu od nuly, a Turrican vznikl za jednu noc pred uzaverkou.  Plany? "
    "Druhy dil s jeste vic skladbami, lepsi prehravac, mozna 3D intro a hlavne vic spanku. Pokud "
    "umite kreslit nebo skladat a chcete se pridat, ozvete se nam.  Zdravime: Pixel Monks, Atomic "
    "Frogs, Neon Owls, Kvasar 9, Mlzna Lampa, Zelezny Pstros, Tundra Beat, Sklenena Mys, Orbit "
    "Kids, Rezava Trubka, Modry Slon, Dim Lantern, Paper Comets, Nulovy Bod, Ticha Voda, Hexlight, "
    "Oloveny Vlak, Solar Moth, Kostka Cukru, Velvet Bytes, Nocni Mura, Polarni Liska a Jantar, "
    "a vsechny, kdo dojeli az sem. Diky za poslouchani a zase priste. Nocturna 1999 ... a znovu od "
    "zacatku !!!"
)


def song_line(row):
    return f"{row['title']} - style: {row['style']} - time: {row['time']} - author: {row['author']}"
