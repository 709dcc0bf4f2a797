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
    "Nocturna uvadi Z.A.V - Korvath !!!  Vitejte u naseho prvniho hudebniho disku. Ceka vas "
    "dvanact skladeb: Clouds, Intos, Labyrinth, Last Crusader, Psycho, Cyber Dream, Friends, "
    "Frail Love, Inborn, Toots, Turrican a DFactory. Najedte mysi na nazev, kliknete a hraje.  "
    "Hudba: Vrana, Zed a Mlok. Grafika: Mlok a Jaspis. Kod: Zed a Kolibri.  Jak to zacalo? V zime "
    "1998 ve sklepe u Mloka, u starych modulu a studeneho caje. Melo to byt jedno intro, pak pet "
    "skladeb, ted je jich dvanact a znelka navic. V lete nam odesel disk, takze Labyrinth a Psycho "
    "vznikly podruhe a Turrican za jedinou noc.  Plany: druhy dil, vic skladeb a mozna 3D intro. "
    "Kdo kresli nebo sklada, at se ozve!  Zdravime: Pixel Monks, Atomic Frogs, Neon Owls, Kvasar 9, "
    "Mlzna Lampa, Zelezny Pstros, Tundra Beat, Sklenena Mys, Orbit Kids, Rezava Trubka, Modry Slon, "
    "Dim Lantern, Paper Comets, Nulovy Bod, Ticha Voda, Hexlight, Oloveny Vlak, Solar Moth, Kostka "
    "Cukru, Velvet Bytes, Nocni Mura, Polarni Liska a Jantar.  Diky za poslech ... Nocturna 1999 !!!"
)


def song_line(row):
    return f"{row['title']} - style: {row['style']} - time: {row['time']} - author: {row['author']}"
