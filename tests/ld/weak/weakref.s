        .text
        .weak nobody
        .globl main
main:   jmp nobody
        complete
