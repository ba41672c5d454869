; definitions that are refused; their bodies are passed over all the same
        .data
        .macro .byte
        .byte 1
        .endm
        .macro addl
        .endm
        .macro m a
        .endm
        .macro m
        .byte 2
        .endm
        .macro dup a, b, a
        .endm
        .macro qual a:optional
        .endm
        .macro late all:vararg, more
        .endm
        .macro name, 1
        .endm
        .macro
        .byte 3
        .endm
        .macro 5
        .endm
        .endm
        .exitm
        .purgem nothing
        .purgem 7
        .byte 4
