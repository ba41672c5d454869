        .text
        .globl main
main:   jmp f1
        complete
