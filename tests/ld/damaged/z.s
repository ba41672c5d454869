; a ZP100 object for the damage only ZP100 code can have
        .text
        .globl main
main:   getl 1
        complete
