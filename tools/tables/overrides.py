"""The explicit choices of the tables: everything the public data leaves open or decides otherwise.

Each list says why it exists. Characters are written out; the generator looks their codes up in the
code pages, so a typo fails loudly instead of landing in a table.
"""

# ---------------------------------------------------------------------------------------------
# Traditional to Simplified (TradToSimpTable).

# Outside GBK's two extension areas only these GB2312 characters change: variant or Traditional
# forms that GB2312 happens to hold, folded onto the standard Simplified character.
TRAD_TO_SIMP_GB2312 = [
    ("硷", "碱"), ("乾", "干"), ("著", "着"), ("亓", "其"), ("仝", "同"), ("凇", "淞"), ("谘", "咨"),
    ("垅", "垄"), ("摺", "折"), ("後", "后"), ("徵", "征"), ("夥", "伙"), ("馀", "余"), ("渖", "沈"),
    ("甯", "宁"), ("榘", "矩"), ("飚", "飙"), ("於", "于"), ("锺", "钟"), ("箝", "钳"), ("雠", "仇"),
    ("鲶", "鲇"), ("麽", "么"),
]

# Traditional-style punctuation replaced by the marks that Simplified text uses: tortoise-shell
# brackets by square ones, corner brackets by quotation marks, small forms by the full-size marks.
TRAD_TO_SIMP_PUNCTUATION = [
    ("〔", "［"), ("〕", "］"), ("「", "‘"), ("」", "’"), ("『", "“"), ("』", "”"),
    ("﹐", "，"), ("﹑", "、"), ("﹒", "。"), ("﹔", "；"), ("﹕", "："), ("﹖", "？"), ("﹗", "！"),
]

# Targets that take a fixed set of sources and no other: every variant of the character folds onto
# it, and nothing else does (鹹 goes with 碱 here rather than with 咸).
TRAD_TO_SIMP_GROUPS = {
    "碱": "堿礆硷鹸鹹鹻鹼",
    "回": "囘囬廻廽迴逥",
    "发": "彂発發髪髮",
    "干": "乹亁幹榦乾",
}

# Single entries where the dictionaries' first candidate is not the one wanted.
TRAD_TO_SIMP_ENTRIES = [
    ("國", "国"),
    # 燗 (A0 41), a variant of 爛: kind 5 reaches it through the BIG5 pair A0 41, which the BIG5
    # pass leaves alone, and gives 烂.
    ("燗", "烂"),
]

# ---------------------------------------------------------------------------------------------
# Simplified to Traditional (SimpToTradTable).

# One Traditional form for a character that has several, the same in every context.
SIMP_TO_TRAD_CHOICES = [
    ("发", "發"), ("后", "後"), ("干", "乾"), ("钟", "鍾"), ("台", "臺"), ("里", "裡"), ("复", "復"),
    ("么", "麼"), ("于", "於"), ("着", "著"), ("沉", "沈"), ("国", "國"),
    # Suggested by the Japanese forms that the Shift-JIS conversion searches (眾, 啟, 缽, 吳, 戶, 說,
    # 歲, 歷, 鐮, 絕, 娛, 緣): the Traditional form that GBK holds beside the Japanese one.
    ("众", "眾"), ("启", "啟"), ("钵", "缽"), ("吴", "吳"), ("户", "戶"), ("说", "說"), ("岁", "歲"),
    ("历", "歷"), ("镰", "鐮"), ("绝", "絕"), ("娱", "娛"), ("缘", "緣"),
    # OpenCC's only forms are 爲 and 僞, which BIG5 lacks; the forms Traditional text sets keep two
    # of the commonest characters from turning into blanks in GBK-to-BIG5 conversion.
    ("为", "為"), ("伪", "偽"),
]

# The only targets with more than one source: each pair of forms is one word in Traditional text.
SIMP_TO_TRAD_GROUPS = {
    "餘": "余馀",
    "諮": "咨谘",
    "鯰": "鲇鲶",
}

# Characters that keep their own code although OpenCC offers a Traditional form: 咸 ("all") is a
# Traditional character too, and its form 鹹 ("salty") goes to 碱 with kind 3, so converting there
# and back would turn 咸 into another word.
SIMP_TO_TRAD_KEEP = ["咸"]

# Quotation marks become the corner brackets of Traditional text.
SIMP_TO_TRAD_PUNCTUATION = [("‘", "「"), ("’", "」"), ("“", "『"), ("”", "』")]

# ---------------------------------------------------------------------------------------------
# GBK to BIG5 (GbkToBig5Table).

# Marks, symbols and box drawing that take the BIG5 code of a near form: the form Traditional
# text sets (· → ‧, ！ → ﹗), or, for what BIG5 lacks, the nearest it has: heavy and dashed lines
# to double or plain ones, small roman numerals to capitals, ≤ ≥ to ≦ ≧, 〖〗 to 【】.
GBK_TO_BIG5_NEAR_FORMS = [
    ("·", "‧"), ("！", "﹗"), ("━", "═"), ("┃", "║"),
    ("＿", "ˍ"),  # the pair that Big5ToGbkTable takes back: BIG5's own ＿ reads as another mark
    ("≤", "≦"), ("≥", "≧"), ("〖", "【"), ("〗", "】"),
    ("ⅰ", "Ⅰ"), ("ⅱ", "Ⅱ"), ("ⅲ", "Ⅲ"), ("ⅳ", "Ⅳ"), ("ⅴ", "Ⅴ"),
    ("ⅵ", "Ⅵ"), ("ⅶ", "Ⅶ"), ("ⅷ", "Ⅷ"), ("ⅸ", "Ⅸ"), ("ⅹ", "Ⅹ"),
    ("┄", "─"), ("┅", "═"), ("┆", "│"), ("┇", "║"), ("┈", "─"), ("┊", "│"), ("┋", "║"),
    ("┏", "╔"), ("┓", "╗"), ("┗", "╚"), ("┛", "╝"), ("┣", "╠"), ("┫", "╣"), ("┳", "╦"), ("┻", "╩"),
    ("╋", "╬"),
    ("┎", "┌"), ("┒", "┐"), ("┖", "└"), ("┚", "┘"),
    ("┝", "├"), ("┠", "├"), ("┥", "┤"), ("┨", "┤"), ("┯", "┬"), ("┰", "┬"), ("┷", "┴"), ("┸", "┴"),
    ("╂", "┼"),
]

# Characters BIG5 lacks whose usual Traditional form in Taiwan is not the one kind 4 chooses for
# GBK text: the clock bell rather than the surname, 証 as Taiwan's certificate, the organ 臟. The
# rest are forms that BIG5 text commonly sets where OpenCC offers two (签名 簽, 讚 as praise,
# 閑, 嫻, 鷴, 裊, 塤, 嚙, 歎, 艷, 勛, 鑒, 收穫, 曆 the calendar, 彙 the collection).
GBK_TO_BIG5_OTHER_FORMS = [
    ("钟", "鐘"), ("证", "証"), ("脏", "臟"),
    ("签", "簽"), ("赞", "讚"), ("闲", "閑"), ("娴", "嫻"), ("鹇", "鷴"), ("袅", "裊"), ("埙", "塤"),
    ("啮", "嚙"), ("叹", "歎"), ("艳", "艷"), ("勋", "勛"), ("鉴", "鑒"), ("获", "穫"), ("历", "曆"),
    ("汇", "彙"),
]

# ---------------------------------------------------------------------------------------------
# BIG5 to GBK (Big5ToGbkTable).

# BIG5 marks that GBK lacks or sets otherwise: the GBK code of a near form.
BIG5_TO_GBK_NEAR_FORMS = [
    (0xA145, 0xA1A4),  # ‧ → ·
    (0xA165, 0xA3DB),  # 〔 → ［
    (0xA166, 0xA3DD),  # 〕 → ］
    (0xA173, 0xA3DE),  # ︿ → ＾
    (0xA1C5, 0xA3DF),  # ˍ → ＿
    (0xA1F3, 0xA891),  # ⊙ → ☉
]

# BIG5 symbols kept as their own codes: box-drawing pieces and duplicates of other positions
# (十 and 卅 repeated as Suzhou numerals, the double lines again in row F9) that GBK reads as
# another character or none.
BIG5_OWN_CODES = [0xA15A, 0xA1C2, 0xA1C3, 0xA1C4, 0xA2A4, 0xA2A5, 0xA2A6, 0xA2A7, 0xA2CC, 0xA2CE,
                  0xF9FA, 0xF9FB, 0xF9FC, 0xF9FD]

# ---------------------------------------------------------------------------------------------
# Shift-JIS to GBK (ShiftJisToGbkTable).

# Japanese usage replaced by the Chinese one: the enumeration comma becomes a comma, the middle
# dot the enumeration comma, corner brackets become quotation marks, and so on.
SHIFT_JIS_CHINESE_USAGE = [
    (0x8141, 0xA3AC),  # 、 → ，
    (0x8145, 0xA1A2),  # ・ → 、
    (0x814C, 0xA1E4),  # ´ → ′
    (0x8175, 0xA1B0),  # 「 → “
    (0x8176, 0xA1B1),  # 」 → ”
    (0x8177, 0xA1AE),  # 『 → ‘
    (0x8178, 0xA1AF),  # 』 → ’
    (0x8185, 0xA1DC),  # ≦ → ≤
    (0x8186, 0xA1DD),  # ≧ → ≥
    (0x818C, 0xA3A7),  # ′ → ＇
    (0x878B, 0xD3D0),  # ㈲ → 有
    (0x878C, 0xB4FA),  # ㈹ → 代
    (0xEE42, 0xD869),  # 猪 → 豬
    (0xFB5E, 0xD869),  # 猪 → 豬
]

# The user-defined rows F0..F9 (188 a row) fill GBK's user-defined areas one for one, in order.
# Each group: (first GBK lead, last GBK lead, trail bytes of a row).
SHIFT_JIS_USER_DEFINED_GROUPS = [
    (0xAA, 0xAF, list(range(0xA1, 0xFF))),  # 564 positions, 94 a row
    (0xF8, 0xFE, list(range(0xA1, 0xFF))),  # 658 positions, 94 a row
    (0xA1, 0xA7, list(range(0x40, 0x7F)) + list(range(0x80, 0xA1))),  # 658 of 672, 96 a row
]
