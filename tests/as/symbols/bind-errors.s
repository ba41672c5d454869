; binding directives take symbol names
        .globl 5, a
        .weak a b
        .local ,
        .globl
