; Two paragraphs with debugging information; the second one comes from an
; included file.
        .data
v:      .long 7

        .text
        .globl main
main:
        rdl v           ; load v
        addl @1, 5
        wrl @1, v       ; store it
        complete

        .include "b.inc"
