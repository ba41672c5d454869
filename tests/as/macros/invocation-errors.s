; invocations whose arguments do not fit: none of them is expanded
        .data
        .macro pair a, b=2
        .byte \a, \b
        .endm
        .macro need n:req, m
        .byte \n
        .endm
        pair 1, 2, 3
        pair c=1
        pair b=1, 2
        pair a=1, a=2
        pair 1, a=2
        need
        need , 5
        need m=1
