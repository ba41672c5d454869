; .fill writes least significant byte first in .data and most significant
; first in a section made by .section
        .data
        .fill 2, 3, 0x010203
        .fill 3
        .fill 1, 8, 0x1122334455667788
        .fill -1, 4, 1
        .fill 2, -1, 1
        .fill 1, 9, 0x0102030405060708
        .section mine, "aw"
        .fill 2, 3, 0x010203
        .fill 1, 2, 0xabcd
