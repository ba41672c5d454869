; the entry paragraph
        .text
        .globl start
start:  jmp start
        complete
