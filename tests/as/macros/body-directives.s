; directives inside macro bodies behave as they do elsewhere: .alias,
; .include, conditionals, .rept and .loc
        .data
        .macro table name
        .alias ENTRY \name
        .include "body-directives.inc"
        .rept 2
        .byte 0x77
        .endr
        .endm
        table 0x11
        table 0x22
        .macro mark line
        .loc 1 \line
        getl 1
        .endm
        .file 1 "gen.c"
        .text
p:
        mark 40
        mark 41
        complete
