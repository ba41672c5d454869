; start.s - the entry paragraph: counts one run in data memory and goes on
; to main. The step and the limit come from example.inc, the limit word
; from the library member limit.s.
        .include "example.inc"

        .data
count:  .long 0

        .text
        .globl start
start:
        rdl count       ; the counter
        rdl limit       ; the library's limit
        addl @2, STEP   ; the counter plus one step
        wrl @1, count   ; store it
        jmp main        ; run the sum
        complete
