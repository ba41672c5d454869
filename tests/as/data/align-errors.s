; alignments that are refused
        .data
        .align 12
        .align -4
        .p2align -1
        .align undefined_symbol
        .align 4, undefined_symbol
        .align 4, 0, 0f1.0
        .align 4 5
        .align 0x100000000
