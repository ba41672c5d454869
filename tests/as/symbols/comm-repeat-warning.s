; pass-1 warnings show when pass 1 also has an error
        .comm c, 4
        .comm c, 8
        .local c
        .comm n, 1, -4
        .byte 1
        .comm huge, 1, 0x100000000
