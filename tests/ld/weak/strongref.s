        .text
        .globl other
other:  jmp nobody
        complete
again:  jmp nobody
        complete
