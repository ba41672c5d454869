; blocks and bodies a macro body opens end with the expansion
        .data
        .macro open
        .if 1
        .byte 1
        .endm
        .macro loop
        .rept 2
        .byte 2
        .endm
        .macro half
        .irp v, 1
        .endm
        .macro make what
        \what inner
        .endm
        open
        loop
        half
        make .macro
        .byte 3
