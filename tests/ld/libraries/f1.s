; f1 needs f2
        .text
        .globl f1
f1:     jmp f2
        complete
