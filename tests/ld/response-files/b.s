        .text
        .globl other
other:  getl #2
        complete
