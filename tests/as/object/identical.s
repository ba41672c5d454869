; two runs over the same source give the same bytes, and no scratch file
; stays behind
        .data
a:      .long 1
b:      .long a + 4
        .globl g
g:      .long ext
        .section mine, "a"
        .byte 7
        .text
p:
        rdl b
        wrl @1, ext
        complete
