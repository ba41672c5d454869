; binding directives; undefined symbols become global
        .data
l1:     .byte 0
g1:     .byte 0
w1:     .byte 0
        .globl g1, ext
        .weak w1, wext
        .local l1
        .local lund
        .long lund
