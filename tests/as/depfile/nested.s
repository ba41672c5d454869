; a rule for every file the assembly read: the includes in the order they
; were first read, each once, the .incbin file, and the source last
        .include "one.inc"
        .data
        .incbin "table.bin"
        .include "one.inc"
        .long ONE + TWO + THREE
