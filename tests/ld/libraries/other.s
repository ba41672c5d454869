        .text
        .globl other
other:  getl #3
        complete
