; data directives need a data section
        .byte 1
        .align 4
        .text
        .byte 1
        .long 2
        .skip 1
        .fill 1
        .p2align 2
        .sleb128 1
        .uleb128 1
        .ascii "a"
        .float 1
