; .byte keeps values that fit, cuts absolute values that do not
        .data
        .byte 255, 256, -1
        .byte -129, -257
        .short 0xffff, -32768, 0x12345
        .long 0xffffffff, -1
        .quad -1
