; a count that cannot be evaluated skips the whole block
        .data
        .rept later
        .byte 0x01
        .endr
        .rept (2
        .byte 0x02
        .endr
        .rept 2 3
        .byte 0x03
        .endr
later:
