        .section .x, "a", @progbits
        .byte 1, 2, 3, 4, 5
