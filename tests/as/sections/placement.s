; where directives may stand
        .byte 1
        .long 2
        .text
f:      .data
        .section s, "a"
        .subsection 1
        .text 1
        .bss
        .byte 3
        .syntax V1
        .globl f
        .set n, 1
        complete
        .data
        .byte n
