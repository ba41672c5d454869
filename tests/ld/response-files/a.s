        .text
        .globl main
main:   getl #1
        complete
