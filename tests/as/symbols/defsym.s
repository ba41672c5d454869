; --defsym: absolute values seen from the first line, in expressions and
; conditions; a .set changes one from its own line on
        .data
        .long BASE, NEG, HEX, OCT
        .ifdef BIN
        .byte BIN
        .endif
        .set BASE, BASE + 1
        .long BASE
