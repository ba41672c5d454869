; sum.s - adds two numbers kept in data memory and stores the sum.
; The same source assembles for both models: ZP100 reads it in its
; default syntax V1, ZP200 in V2; the operands used here mean the same
; in both.

        .data
a:      .long 5
b:      .long 7
sum:    .long 0

        .text
        .globl main
main:
        rdl a           ; load a: memory access through the V word
        rdl b           ; load b
        addl @1, @2     ; b + a: switchboard references to the two loads
        wrl @1, sum     ; store the sum
        complete

halt:
        jmp halt        ; wait here
        complete
