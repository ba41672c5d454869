        .text
        .globl f2
f2:     getl #2
        complete
