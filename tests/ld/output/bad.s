        .text
        .globl other
other:  jmp nowhere
        complete
