; only .text is used: the object still has .data and .bss, then the tables
        .text
p:
        getl 5
        addl @1, 7
        complete
