# a 64-bit object for another processor, host syntax
        .text
        .globl x
x:      nop
        .data
        .long 1
        .bss
        .zero 4
