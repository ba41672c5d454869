        .section .x, "a", @progbits
        .align 8
        .globl at8
at8:    .byte 6
