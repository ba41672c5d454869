; warnings in an expansion, the lexer's among them, name the invocations
        .data
        .macro cut v
        .byte \v
        .ascii "\777"
        .endm
        .macro twice v
        cut \v
        cut \v
        .endm
        twice 0x1ff
        .byte 1
