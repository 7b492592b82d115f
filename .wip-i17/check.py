import re, sys, importlib.util
spec = importlib.util.spec_from_file_location("lines", __import__("os").path.dirname(__file__) + "/lines.py")
m = importlib.util.module_from_spec(spec); spec.loader.exec_module(m)

def wrap(text):
    lines=[]; cur=''
    words=text.split(' ')
    for i,w in enumerate(words):
        if i < len(words)-1:
            if len(cur)+len(w) <= 80: cur += w+' '
            else: lines.append(cur); cur = w+' '
        else:
            cur += w
            if len(cur) > 80:
                k = cur.rfind(' ')
                lines.append(cur[:k+1]); cur = cur[k+1:]
            lines.append(cur)
    return lines

THREE = {(12,32),(12,34),(12,44),(20,29)}
EXPECT = {12:(51,20),13:(38,13),14:(34,11),15:(24,8),16:(89,36),17:(41,14),18:(25,7),19:(20,7),20:(53,19),21:(39,15),22:(35,14)}
bad=0; counts={1:0,2:0,3:0}
for sc,steps in sorted(m.SCENES.items()):
    pos=0; texts=0
    for st in steps:
        if st[0]=='line':
            _,spk,n,t = st
            errs=[]
            if len(t)!=n: errs.append(f"len {len(t)} want {n} ({len(t)-n:+d})")
            if any(not (32<=ord(c)<127) for c in t): errs.append("nonprintable")
            if '  ' in t or t!=t.strip(): errs.append("spaces")
            if '%' in t: errs.append("percent")
            if any(len(w)>80 for w in t.split(' ')): errs.append("longword")
            w=wrap(t); nl=len(w)
            want = 3 if (sc,pos) in THREE else (1 if n<=80 else 2)
            if nl!=want: errs.append(f"wraps {nl} want {want}: {[len(x) for x in w]}")
            if any(len(x)>81 for x in w): errs.append("wide")
            counts[nl]=counts.get(nl,0)+1
            if errs: bad+=1; print(f"scene {sc} step {pos} {spk}: {'; '.join(errs)}\n   {t}")
            pos+=2; texts+=1
        else: pos+=1
    if (pos,texts)!=EXPECT[sc]: bad+=1; print(f"scene {sc}: {pos} steps {texts} texts, want {EXPECT[sc]}")
print("wraps",counts,"bad",bad)
