; .syntax accepts V1 and V2 exactly; only a change is announced
        .syntax V1
        .syntax V2
        .syntax V2
        .syntax V1
        .syntax V3
        .syntax v2
        .syntax
        .syntax V2 junk
